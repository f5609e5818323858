#pragma once
// The wait cursor while a start-up pass runs: a first pass over many large
// ".zip" TCs takes seconds, and the window must not look frozen meanwhile.
namespace tv {

class Program;

// From the first step of each pass until control is back in an event loop
// (the pass ended, or a window it opened waits for the user) the application
// shows the wait cursor. The pass blocks the event loop, so a timer could
// never start the cursor late; it is shown at once, which a short pass makes
// too brief to see.
void ShowWaitCursorDuringPasses(Program& program);

}  // namespace tv

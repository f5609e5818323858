/* A Windows console stand-in for the game, to see what a Windows program
 * started through Wine receives. It writes, to a log beside itself named like
 * it with ".log" (Duke3dw.exe: Duke3dw.log), the command line as Windows
 * gives it, its working folder, then each argument its C runtime made of the
 * command line, one a line. The log is written to a side file first, so a
 * reader never sees half of it. */
#include <stdio.h>
#include <string.h>
#include <windows.h>

int main(int argc, char** argv) {
  char self[MAX_PATH], log[MAX_PATH + 8], part[MAX_PATH + 16], folder[MAX_PATH];
  DWORD n = GetModuleFileNameA(NULL, self, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return 1;
  char* dot = strrchr(self, '.');
  char* slash = strrchr(self, '\\');
  if (dot != NULL && (slash == NULL || dot > slash)) *dot = '\0';
  snprintf(log, sizeof log, "%s.log", self);
  snprintf(part, sizeof part, "%s.log.part", self);
  if (GetCurrentDirectoryA(MAX_PATH, folder) == 0) folder[0] = '\0';

  FILE* out = fopen(part, "wb");
  if (out == NULL) return 1;
  fprintf(out, "commandline=%s\nfolder=%s\n", GetCommandLineA(), folder);
  for (int i = 1; i < argc; ++i) fprintf(out, "argument=%s\n", argv[i]);
  if (fclose(out) != 0) return 1;
  return MoveFileExA(part, log, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}

#pragma once
// The program's look that every window shares: style, fonts and the texts of
// the core shown on screen.
#include <QColor>
#include <QFont>
#include <QString>
#include <string>

#include "platform/Color.h"

class QWidget;

namespace tv {

// Style, font substitutes and resources; call once after the application.
void SetUpAppearance();

// A font by its family name and pixel size, as the layouts give them.
QFont UiFont(const char* family, int pixels, bool bold = false, bool italic = false);
inline QFont DefaultFont(bool bold = false) { return UiFont("MS Sans Serif", 11, bold); }
inline QFont ArialBold12() { return UiFont("Arial", 12, true); }

inline QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

// The core's byte strings on screen: UTF-8 when they are, else Latin-1 (names
// from old archives), so every byte shows as something.
QString Shown(const std::string& bytes);

// Text colour of a label, button or check box in the active states; a
// disabled control keeps the style's greyed text.
void SetTextColour(QWidget* widget, const QColor& colour);
// Background of a panel, label or group that fills it.
void SetBackground(QWidget* widget, const QColor& colour);
// Background and item text of a list.
void SetListColours(QWidget* list, const QColor& background, const QColor& text);

}  // namespace tv

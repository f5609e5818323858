#pragma once
// The program's own message box: a gradient background in two colours, a
// symbol, the text in its own colour and a row of buttons. It plays no
// sound; the caller beeps first.
#include <QDialog>
#include <QStyle>
#include <string>

class QLabel;
class QHBoxLayout;

namespace tv {

class MessageDialog : public QDialog {
  Q_OBJECT
 public:
  explicit MessageDialog(QWidget* parent);

  void SetColors(const QColor& left, const QColor& right, const QColor& text);
  void SetTextFont(const QFont& font);
  QColor Left() const { return m_left; }
  QColor Right() const { return m_right; }
  QColor TextColour() const;

  // Information: one OK button, no title, centred on the screen.
  void ShowMessage(const QString& text);
  // Question: buttons as "mbYes,mbNo"; x, y -1 centre it. Returns the
  // DialogResult of the button pressed; closing otherwise returns Cancel.
  int MessageShow(const QString& text, const QString& title, const std::string& buttons, int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int Run(const QString& text, const QString& title, QStyle::StandardPixmap symbol, const std::string& buttons, int x,
          int y);

  QColor m_left{128, 128, 128};
  QColor m_right{Qt::black};
  QLabel* m_symbol;
  QLabel* m_text;
  QHBoxLayout* m_buttons;
};

}  // namespace tv

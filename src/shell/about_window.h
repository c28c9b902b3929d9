#pragma once
// Help > About: the program's title and its credit lines. Modeless; closing it destroys it,
// so each opening after a close starts again with the program text.

#include <QDialog>
#include <QPixmap>

class QTextEdit;

namespace zan {

class AboutWindow : public QDialog {
    Q_OBJECT

  public:
    explicit AboutWindow(QWidget* parent = nullptr);

    // Both texts begin with a line break and separate their lines with CR LF.
    static QString programText();
    static QString authorsText();

    // Centres the window on its screen, shows it and brings it to the front.
    void showCentred();

    // The logo, drawn for this program: 116 x 112 pixels.
    static QPixmap logo();

  private:
    enum class Shown { Nothing, Program, Authors };  // the text "&More" showed last

    void showText(const QString& text);
    // The height the longer of the two texts needs in the text box, px.
    int textHeight();
    void toggleText();

    QTextEdit* m_text = nullptr;
    Shown m_lastShownByMore = Shown::Nothing;
};

}  // namespace zan

#pragma once

#include <QPushButton>

namespace pixmint {

// A push button whose caption wraps onto a second line when it is wider than the button,
// as the fixed layouts of the windows need ("Dosya Dönüştür" on a narrow button). The text
// itself stays one line: text() gives the caption as set.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace pixmint

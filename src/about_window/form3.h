#pragma once

#include <QImage>
#include <QWidget>

namespace pixmint {

// The About window: the version, the authors, the language and a rights notice, beside
// the program's picture. It has no commands.
class Form3 : public QWidget {
    Q_OBJECT
public:
    explicit Form3(QWidget* parent = nullptr);
};

// The picture of the About window (606 × 583): a graphic LCD showing the program's mark,
// drawn here so that the program carries no photograph.
QImage aboutPicture();

}  // namespace pixmint

#pragma once

#include <QLabel>

// A box that shows a picture and nothing else. It has no text of its own, so
// a screen reader knows it only by the name the program gives it for what the
// picture shows, and by no name while it is empty.
class PictureBox : public QLabel
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr)
        : QLabel(parent)
    {
    }
};

#pragma once

#include <QLabel>

// Underlined text that opens something with a single click, like a link on a
// web page: pointing-hand cursor, no keyboard focus.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(QWidget *parent = nullptr);

    // What a click does, for those who cannot click: a screen reader
    // pressing the link.
    void click() { Q_EMIT clicked(); }

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

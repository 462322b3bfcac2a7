#pragma once

#include <QGroupBox>

// A frame of the window designs: an area of exactly its background colour
// inside a single etched border, with its caption, when it has one, set into
// the top edge. The style's own group box shades its inside and puts the
// caption above the border, which is not what the designs show.
class EtchedFrame : public QGroupBox
{
    Q_OBJECT
public:
    explicit EtchedFrame(const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Where the border runs: the whole frame, or below the caption's middle.
    QRect borderRect() const;
};

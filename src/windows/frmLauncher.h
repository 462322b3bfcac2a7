#pragma once

#include "app/Form.h"

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QWidget>

// The first object of a run and its start-up sequence. It is never shown; it
// holds the application icon and stays loaded until the run ends, and
// unloading it ends the run.
class frmLauncher : public QWidget, public Form
{
    Q_OBJECT
public:
    explicit frmLauncher(App &app);

    QWidget *widget() override { return this; }

    void Form_Load() override;
    void Form_Unload() override;

    // Brings one of the main window's two promotional labels to the front at
    // random, or leaves the design order.
    void CoBrand_Randomize();

    // The application icon, the single entry of the list: one 32 x 32
    // picture, with the same drawn at the other sizes a screen may need.
    QList<QIcon> IMGIcon() const;

    qint16 intCoBrandRandomNumber = 0;

    // r x 6 + 1 rounded to the nearest whole number, halves to the even one.
    static int coBrandNumber(double r);
};

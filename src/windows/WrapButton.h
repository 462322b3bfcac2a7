#pragma once

#include <QPushButton>

// A push button whose caption wraps at word boundaries and stays centred when
// it is wider than the button.
class WrapButton : public QPushButton
{
    Q_OBJECT
public:
    explicit WrapButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

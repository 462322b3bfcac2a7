#pragma once

class App;
class QWidget;

// What every window of the program shares: it belongs to one run, it is
// created from its design on first use, and it has a load step and an unload
// step. The window registry drives both.
class Form
{
public:
    explicit Form(App &app)
        : m_app(app)
    {
    }
    virtual ~Form() = default;
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    // The top-level widget, or nullptr for a form without a window.
    virtual QWidget *widget() = 0;

    virtual void Form_Load() { }
    virtual void Form_Unload() { }

protected:
    App &m_app;
};

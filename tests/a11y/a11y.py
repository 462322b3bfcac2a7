#!/usr/bin/python3
"""The installed program read as a screen reader reads it.

On a virtual X display with a window manager, a private D-Bus session bus and
the accessibility bus on it, starts the installed program from its desktop
entry's Exec line and reads it over AT-SPI (libatspi through GObject
introspection), the way a screen reader does, while it drives the program with
real keys (xdotool):

  - the main window lists its controls as they are read on the screen, top to
    bottom, then left to right, and shows one of its two offers;
  - Enter on a focused tradition box draws nothing and shows no message;
  - after a draw of the Arabian and the Indian tradition the Arabian panel on
    top is the only panel showing, and it names the drawn symbol, its picture
    and its whole description; one offer shows; a screen reader can press the
    banner link; the Indian button then brings the Indian panel to the front,
    and what the program's events said makes it the only one showing (the
    test reads through libatspi's cache, kept by the events it listens to, as
    a screen reader's model is);
  - Enter in a box of the refer-a-friend form submits nothing;
  - the farewell window's Exit key ends the program with status 0.

usage: a11y.py [--cmake CMAKE] --build-dir DIR --catalog-texts PROGRAM --site-address URL
       a11y.py --prefix DIR --catalog-texts PROGRAM --site-address URL

PROGRAM prints a tradition's names and descriptions as the catalog holds them
(tests/a11y/catalogtexts.cpp).

Every wait has a deadline; whatever the test started is stopped by its process
id when it ends, passed or failed. Exits 1 when a check failed.
"""

import json
import subprocess
import sys

from atspisession import *  # noqa: F401,F403  the session, the waits and the reading


# --- the checks -------------------------------------------------------------------------------------------------

def check_main_window(app):
    step("reading the main window")
    main = window_with(app, "check box", CAPTIONS[0], "the main window did not appear")
    wait_active(main, "the main window never became active")
    poll(lambda: (focused(main) or main).get_name() == "Find My Good luck Symbol",
         "the focus is not on Find My Good luck Symbol")
    boxes = [a.get_name() for a in named(main, "check box")]
    # Two columns of boxes, read row by row.
    expected = [CAPTIONS[i] for i in (0, 4, 1, 5, 2, 6, 3)]
    check(boxes == expected, "the boxes are read as %s, not %s" % (boxes, expected))
    # Every control after the one above it, or beside it on its right.
    controls = [a for a in descendants(main) if a.get_role_name() in ("label", "link", "check box", "push button")
                and showing(a)]
    for before, after in zip(controls, controls[1:]):
        a, b = extents(before), extents(after)
        in_order = a.y + a.height <= b.y or (a.y < b.y + b.height and a.x + a.width <= b.x)
        check(in_order, "'%s' is read before '%s', which lies above or left of it"
              % (before.get_name()[:30], after.get_name()[:30]))
    offers = [a for a in descendants(main) if a.get_name().startswith(OFFERS) and showing(a)]
    check(len(offers) == 1, "the main window shows %d offers to a screen reader, the eye sees one" % len(offers))
    return main


def message_texts(app):
    return [label.get_name() for alert in alerts(app) for label in named(alert, "label") if label.get_name()]


def check_enter_on_a_box(session, app, main):
    step("Enter on a focused tradition box")
    box, next_box = (named(main, "check box", CAPTIONS[i])[0] for i in (6, 5))
    press_until(session, ["Tab"], lambda: has(box, Atspi.StateType.FOCUSED), "Tab did not reach the box")
    for ticked in (False, True):
        # Enter, then Tab: once the focus has moved on, the Enter before it has
        # been handled too. A message box would have taken the Tab.
        key(session, "Return")
        key(session, "Tab")
        try:
            poll(lambda: has(next_box, Atspi.StateType.FOCUSED), "", timeout=5)
        except Fatal:
            pass
        ticks = "ticked" if ticked else "unticked"
        check(not alerts(app), "Enter on the %s box showed a message: %s" % (ticks, message_texts(app)))
        if alerts(app):
            press_until(session, ["Return"], lambda: not alerts(app), "the message did not go away")
        drawn = any(named(w, "push button", "Back") for w in windows(app))
        check(not drawn, "Enter on the %s box drew symbols" % ticks)
        require(not drawn and showing(main), "the main window is gone")
        if check(has(next_box, Atspi.StateType.FOCUSED), "Tab after Enter on the %s box did not move on" % ticks):
            press_until(session, ["shift+Tab"], lambda: has(box, Atspi.StateType.FOCUSED),
                        "Shift+Tab did not come back to the box")
        else:
            Atspi.Component.grab_focus(box)
            poll(lambda: has(box, Atspi.StateType.FOCUSED), "the box did not take the focus back")
        if not ticked:
            press_until(session, ["space"], lambda: has(box, Atspi.StateType.CHECKED), "Space did not tick the box")
    press_until(session, ["space"], lambda: not has(box, Atspi.StateType.CHECKED), "Space did not untick the box")


def draw_arabian(session, app, main):
    step("drawing symbols of the Arabian and the Indian tradition")
    for index, presses in ((5, 1), (0, 5)):
        box = named(main, "check box", CAPTIONS[index])[0]
        for _ in range(presses - 1):
            key(session, "Tab")
        press_until(session, ["Tab"], lambda: has(box, Atspi.StateType.FOCUSED),
                    "Tab did not reach the %s box" % TRADITIONS[index])
        press_until(session, ["space"], lambda: has(box, Atspi.StateType.CHECKED), "Space did not tick the box")
    button = named(main, "push button", "Find My Good luck Symbol")[0]
    press_until(session, ["Tab"], lambda: has(button, Atspi.StateType.FOCUSED),
                "Tab did not reach Find My Good luck Symbol")
    # A focused button takes Enter.
    return press_until(session, ["Return"], lambda: next((w for w in windows(app) if named(w, "push button", "Back")),
                                                          None), "Enter on Find My Good luck Symbol showed no results")


def panels_on_view(result):
    return [a.get_name() for a in descendants(result)
            if a.get_name() in CAPTIONS and a.get_role_name() == "panel" and showing(a)]


def check_panel_switch(session, app, result, indian_texts):
    """The Indian button brings its panel to the front: read from what the events said since the last look."""
    step("bringing the Indian panel to the front")
    button = named(result, "push button", CAPTIONS[0])[0]
    press_until(session, ["Tab"], lambda: has(button, Atspi.StateType.FOCUSED), "Tab did not reach the Indian button")
    key(session, "space")
    try:
        poll(lambda: panels_on_view(result) == [CAPTIONS[0]], "", timeout=5)
    except Fatal:
        check(False, "after the Indian button the panels on view are %s, the eye sees only the Indian one"
              % panels_on_view(result))
        return
    indian = next(p for p in descendants(result) if p.get_name() == CAPTIONS[0] and p.get_role_name() == "panel")
    names = [a.get_name() for a in descendants(indian) if showing(a)]
    check(any(n in indian_texts for n in names), "the Indian panel on view names no Indian symbol: %s" % names)


def check_result_window(session, app, result, urls, arabian_texts):
    step("reading the result window")
    panels = [a for a in descendants(result) if a.get_name() in CAPTIONS and a.get_role_name() == "panel"]
    check(len(panels) == 7, "the result window has %d tradition panels, not 7" % len(panels))
    on_view = [p for p in panels if showing(p)]
    check([p.get_name() for p in on_view] == [CAPTIONS[5]],
          "the panels a screen reader finds showing are %s, the eye sees only the Arabian one"
          % [p.get_name() for p in on_view])
    arabian = next((p for p in panels if p.get_name() == CAPTIONS[5]), None)
    require(arabian is not None, "there is no Arabian panel")
    names = [a.get_name() for a in descendants(arabian) if showing(a)]
    symbol = next((n for n in names if n in arabian_texts), None)
    check(symbol is not None, "the Arabian panel names no Arabian symbol: %s" % names)
    if symbol:
        check(named(arabian, "image", symbol), "the picture is not named '%s'" % symbol)
        check(named(arabian, "label", symbol), "no label shows the name '%s'" % symbol)
        check(named(arabian, "label", arabian_texts[symbol]), "no label reads the whole description of %s: %s"
              % (symbol, names))
    offers = [a for a in descendants(result) if a.get_name().startswith(OFFERS) and showing(a)]
    check(len(offers) == 1, "the result window shows %d offers to a screen reader, the eye sees one" % len(offers))
    banner = [a for a in descendants(result) if a.get_name().startswith("Join the free discussion board")]
    if check(banner and banner[0].get_role_name() == "link", "the banner is not announced as a link: %s"
             % [(a.get_role_name(), a.get_name()) for a in banner]):
        if check(action_count(banner[0]), "a screen reader cannot press the banner link"):
            Atspi.Action.do_action(banner[0], 0)
            try:
                poll(lambda: "page=home-page" in open(urls).read(), "", timeout=5)
            except Fatal:
                check(False, "pressing the banner link opened no page")


def check_enter_in_the_form(session, app, urls):
    step("Enter in the refer-a-friend form")
    farewell = window_with(app, "push button", "Refer A Friend Now", "the farewell window did not appear")
    # Nothing else is on view: the keyboard goes to it.
    wait_active(farewell, "the farewell window never took the keyboard")
    poll(lambda: (focused(farewell) or farewell).get_name() == "Exit", "the focus is not on Exit")
    box = next((a for a in named(farewell, "text") if a.get_name().lower() == "your name"), None)
    require(box is not None, "there is no text box named 'Your name'")
    press_until(session, ["Tab", "Tab", "Tab"], lambda: has(box, Atspi.StateType.FOCUSED),
                "Tab did not reach the name box")
    poll(lambda: text_of(box) == "", "the name box kept its placeholder")
    type_text(session, "Ann")
    poll(lambda: text_of(box) == "Ann", "typing did not reach the name box")
    before = open(urls).read()
    # Enter, then one more letter: once it shows, the Enter has been handled.
    key(session, "Return")
    type_text(session, "e")
    try:
        poll(lambda: text_of(box) == "Anne", "", timeout=5)
    except Fatal:
        check(False, "the letter after Enter did not reach the name box")
    check(not alerts(app), "Enter in the name box showed a message")
    check(open(urls).read() == before, "Enter in the name box opened a page")
    require(not alerts(app), "a message box is in the way")
    return farewell


def close_farewell(session, app):
    step("closing the farewell window with its access key")
    key(session, "alt+x")
    try:
        status = session.app.wait(TIMEOUT)
    except subprocess.TimeoutExpired:
        raise Fatal("the program did not end")
    check(status == 0, "the program ended with status %d" % status)


# --- main --------------------------------------------------------------------------------------------------------

def main():
    args = parse_arguments(__doc__)
    missing = check_tools()
    if missing:
        print("FAIL:", missing, file=sys.stderr)
        return 1

    # The two Arabian symbols and their descriptions, as the catalog has them.
    arabian_texts = json.loads(subprocess.run([args.catalog_texts, "5"], check=True, capture_output=True,
                                              text=True).stdout)
    indian_texts = json.loads(subprocess.run([args.catalog_texts, "0"], check=True, capture_output=True,
                                             text=True).stdout)
    if len(arabian_texts) != 2:
        print("FAIL: the catalog lists %d Arabian symbols, not 2" % len(arabian_texts), file=sys.stderr)
        return 1

    def walk(session):
        command, exec_line, urls = start_installed(session, args)
        step("starting Xvfb, openbox, a session bus and the accessibility bus")
        start_display(session)
        start_buses(session)
        Atspi.set_timeout(3000, -1)

        step("starting '%s'" % exec_line)
        session.app = session.start("app", command, env=session.env)
        app = find_application(session.app.pid)

        main_window = check_main_window(app)
        check_enter_on_a_box(session, app, main_window)
        result = draw_arabian(session, app, main_window)
        wait_active(result, "the result window never became active")
        check_result_window(session, app, result, urls, arabian_texts)
        check_panel_switch(session, app, result, indian_texts)
        step("Esc on the result window")
        press_until(session, ["Escape"], lambda: not any(named(w, "push button", "Back") for w in windows(app)),
                    "Esc did not close the result window")
        check_enter_in_the_form(session, app, urls)
        close_farewell(session, app)

    return run("a11y", walk)


if __name__ == "__main__":
    sys.exit(main())

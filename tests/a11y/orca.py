#!/usr/bin/python3
"""What a blind user hears: the installed program with the Orca screen reader.

On a virtual X display with a window manager, a private D-Bus session bus and
the accessibility bus on it, starts speech-dispatcher (espeak-ng, its sound
going to libao's null driver), Orca with a preferences folder of its own, and
the installed program from its desktop entry's Exec line. It walks the program
with real keys (xdotool) as a blind user would and listens to what Orca says,
read from the "SPEECH OUTPUT" lines of Orca's debug file:

  - the main window's introduction and every tradition box with its state;
    the message when nothing is ticked;
  - after a draw, the drawn symbol's name and whole description, without a key
    more; Say All and flat review read the panel in front and no other;
  - pressing another tradition's button speaks the symbol that came to the
    front;
  - the about window's texts and links;
  - the farewell window, after a draw, wholly readable, its link pressed from
    flat review; the focus on Exit when it opens;
  - every box of the refer-a-friend form speaks its purpose when it takes the
    focus, and its value once; a refused and a valid submission;
  - Alt+X ends the program with status 0.

usage: orca.py [--cmake CMAKE] --build-dir DIR --catalog-texts PROGRAM --site-address URL
       orca.py --prefix DIR --catalog-texts PROGRAM --site-address URL

Every wait is for something spoken, with a deadline; whatever the test started
is stopped by its process id when it ends. Exits 1 when a check failed.
"""

import json
import os
import re
import shutil
import subprocess
import sys
import time

from atspisession import *  # noqa: F401,F403  the session, the waits and the reading

SPEECH_TIMEOUT = 20  # seconds, for Orca to say something
# One spoken text in Orca's debug file, and the voice it was spoken in.
SPEECH_LINE = re.compile(r"SPEECH OUTPUT: '(.*)'\s*(?:\{.*\}|\[.*\])?\s*$")

# Orca's desktop keyboard layout, with Num Lock off: Say All, and flat review's
# previous, current and next line and a click on the item under review.
SAY_ALL = "KP_Add"
REVIEW_PREVIOUS_LINE, REVIEW_NEXT_LINE = "KP_Home", "KP_Prior"
REVIEW_CLICK = "KP_Divide"


class Speech:
    """What Orca has said so far, line by line, from its debug file."""

    def __init__(self, path):
        self.path = path
        self.lines = []
        self._offset = 0
        self._partial = ""

    def read(self):
        try:
            with open(self.path, errors="replace") as log:
                log.seek(self._offset)
                data = log.read()
                self._offset = log.tell()
        except FileNotFoundError:
            return self.lines
        data = self._partial + data
        complete, _, self._partial = data.rpartition("\n")
        for line in complete.split("\n") if complete else []:
            match = SPEECH_LINE.search(line)
            if match:
                self.lines.append(match.group(1).strip())
        return self.lines

    def mark(self):
        return len(self.read())

    def since(self, mark):
        return self.read()[mark:]

    def wait_for(self, predicate, what, mark=0, timeout=SPEECH_TIMEOUT):
        """Waits until a line said after mark satisfies predicate; returns its index."""
        deadline = time.monotonic() + timeout
        while True:
            lines = self.read()
            for index in range(mark, len(lines)):
                if predicate(lines[index]):
                    return index
            if time.monotonic() > deadline:
                raise Fatal("%s; Orca said: %s" % (what, lines[mark:][-12:]))
            time.sleep(0.05)

    def wait_quiet(self, quiet=1.0, timeout=SPEECH_TIMEOUT):
        """Waits until Orca has said nothing new for a moment (for checks that something is not said)."""
        deadline = time.monotonic() + timeout
        count, since = len(self.read()), time.monotonic()
        while time.monotonic() - since < quiet and time.monotonic() < deadline:
            time.sleep(0.05)
            if len(self.read()) != count:
                count, since = len(self.lines), time.monotonic()


def contains(text):
    return lambda line: text in line


class Listener:
    """Sends keys and waits for what Orca says in answer."""

    def __init__(self, session, speech):
        self.session = session
        self.speech = speech

    def press(self, keys, *expected, echo=None):
        """Sends the keys, then waits for each expected text, in order (one line may hold several); returns
        the mark before the keys.

        Orca echoes every key it hears; a key openbox lost on the way is sent
        again, so that a key is never pressed twice.
        """
        mark = self.speech.mark()
        for attempt in range(3):
            key(self.session, keys)
            if echo is None:
                break
            try:
                self.speech.wait_for(contains(echo), "", mark, timeout=3)
                break
            except Fatal:
                if attempt == 2:
                    raise Fatal("Orca never heard %s" % keys)
        at = mark
        for text in expected:
            at = self.speech.wait_for(text if callable(text) else contains(text),
                                      "after %s Orca did not say %r" % (keys, text), at)
        return mark


    def access_key(self, letter, *expected):
        """Alt and a letter, the way a person presses them: Alt held until the letter has done its work.

        Qt hands every key to the screen reader and waits for its answer
        before it acts on it, so the letter and the release of a quickly
        tapped Alt can reach the menu bar in an order no hand produces.
        """
        mark = self.speech.mark()
        subprocess.run(["xdotool", "keydown", "alt"], env=self.session.env, check=True)
        try:
            self.speech.wait_for(contains("left alt"), "Orca never heard Alt", mark, timeout=5)
            # Without --clearmodifiers, which would let go of Alt for the letter.
            subprocess.run(["xdotool", "key", letter], env=self.session.env, check=True)
            at = mark
            for text in expected:
                at = self.speech.wait_for(text if callable(text) else contains(text),
                                          "after Alt+%s Orca did not say %r" % (letter, text), at)
        finally:
            subprocess.run(["xdotool", "keyup", "alt"], env=self.session.env, check=True)
        return mark


# --- the session ---------------------------------------------------------------------------------------------

ORCA_CUSTOMIZATION = """\
# Written by the test: Orca's debug file is written line by line, so the
# test hears what Orca says as it says it.
from orca import debug
if debug.debugFile:
    debug.debugFile.reconfigure(line_buffering=True)
"""


def start_speech(session):
    """speech-dispatcher with espeak-ng, its sound to nowhere; Orca with its speech logged."""
    work, env = session.work, session.env
    with open(os.path.join(env["HOME"], ".libao"), "w") as libao:
        libao.write("default_driver=null\n")
    config = os.path.join(work, "speechd")
    os.makedirs(os.path.join(config, "modules"))
    shutil.copy("/etc/speech-dispatcher/modules/espeak-ng.conf", os.path.join(config, "modules"))
    with open(os.path.join(config, "speechd.conf"), "w") as conf:
        conf.write('LogLevel 3\nLogDir "%s"\nAudioOutputMethod "libao"\n'
                   'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\nDefaultModule espeak-ng\n'
                   % os.path.join(work, "speechd-logs"))
    # Its socket lies in the private runtime folder, where Orca looks for it.
    session.start("speech-dispatcher", ["speech-dispatcher", "--run-single", "--timeout", "0",
                                        "--config-dir", config], env=env)
    socket = os.path.join(env["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
    poll(lambda: os.path.exists(socket), "speech-dispatcher did not start")

    preferences = os.path.join(work, "orca")
    os.makedirs(preferences)
    with open(os.path.join(preferences, "orca-customizations.py"), "w") as custom:
        custom.write(ORCA_CUSTOMIZATION)
    speech = Speech(os.path.join(work, "orca-debug.out"))
    # Not --replace: that ends every other Orca of this user on the machine,
    # another session's included.
    session.start("orca", ["orca", "--user-prefs", preferences, "--debug-file", speech.path], env=env)
    # Orca takes its time to start on a busy machine: it loads much Python.
    speech.wait_for(contains("Screen reader on."), "Orca did not start speaking", timeout=90)
    return speech


def keep_digest(debug, digest):
    """What Orca heard and said, from its debug file, for the logs a failed run shows."""
    wanted = re.compile(r"OBJECT EVENT:|SPEECH OUTPUT:|KEYBOARD_EVENT|keyval_name|DEFAULT:|locusOfFocus|Skipping")
    with open(debug, errors="replace") as log, open(digest, "w") as out:
        out.writelines(line for line in log if wanted.search(line))


# --- the walk ------------------------------------------------------------------------------------------------

def catalog(program, index):
    texts = json.loads(subprocess.run([program, str(index)], check=True, capture_output=True, text=True).stdout)
    return {name: "%s. %s" % (name, text.strip()) for name, text in texts.items()}


def spoken_symbol(line, symbols):
    """The symbol of the tradition whose name and whole description the line says, if any."""
    return next((name for name, text in symbols.items() if text in line), None)


def review_lines(listener, count, key_name):
    """Moves flat review line by line and gathers what Orca reads."""
    heard = []
    for _ in range(count):
        mark = listener.speech.mark()
        key(listener.session, key_name)
        listener.speech.wait_quiet(0.6)
        heard += listener.speech.since(mark)
    return heard


def main_window(listener):
    step("the main window opens")
    listener.speech.wait_for(contains("QV Orbalin v1.15 dialog Good Luck symbols are considered"),
                             "the main window's introduction was not read")
    listener.speech.wait_for(contains("Find My Good luck Symbol push button"), "the focus on Find was not said")
    step("Find with nothing ticked")
    listener.press("Return", "Please Select A Type of Good Luck Symbol", echo="return")
    listener.press("Return", "Find My Good luck Symbol push button", echo="return")

    step("Tab through the main window, ticking Egyptian and Indian")
    for tradition in ("Native American", "Arabian", "English", "Egyptian", "Japanese", "Chinese", "Indian"):
        listener.press("Tab", "%s Good Luck Symbols check box not checked" % tradition, echo="tab")
        if tradition in ("Egyptian", "Indian"):
            listener.press("space", "checked", echo="space")
    listener.press("Tab", "Find My Good luck Symbol push button", echo="tab")


def result_window(listener, egyptian, indian):
    step("Find: the drawn symbol is spoken")
    mark = listener.press("Return", "QV Orbalin v1.15 dialog", "Egyptian Good Luck Symbols push button",
                          echo="return")
    at = listener.speech.wait_for(lambda line: spoken_symbol(line, egyptian),
                                  "the drawn Egyptian symbol was not spoken", mark)
    drawn = spoken_symbol(listener.speech.lines[at], egyptian)
    step("Say All reads the panel in front: " + drawn)
    mark = listener.press(SAY_ALL, contains(egyptian[drawn]), echo=None)
    listener.speech.wait_quiet()
    check(not any(spoken_symbol(line, indian) for line in listener.speech.since(mark)),
          "Say All read the Indian panel, which lies behind")

    step("the Indian button brings its symbol to the front, and it is spoken")
    listener.press("Tab", "Indian Good Luck Symbols push button", echo="tab")
    mark = listener.press("space", echo="space")
    at = listener.speech.wait_for(lambda line: spoken_symbol(line, indian),
                                  "pressing the Indian button spoke no Indian symbol", mark)
    front = spoken_symbol(listener.speech.lines[at], indian)

    step("flat review reads the panel in front, and only it")
    heard = review_lines(listener, 8, REVIEW_PREVIOUS_LINE) + review_lines(listener, 12, REVIEW_NEXT_LINE)
    text = " ".join(heard)
    check(front in text and indian[front].split(". ", 1)[1][:60] in text,
          "flat review did not read the Indian panel in front: %s" % heard)
    check(not any(name in heard for name in egyptian) and egyptian[drawn].split(". ", 1)[1][:60] not in text,
          "flat review read the Egyptian panel, which lies behind: %s" % heard)
    return drawn


def about_window(listener):
    step("Back, then the about window from the Help menu")
    listener.access_key("b", "QV Orbalin v1.15 dialog Good Luck symbols are considered")
    # Qt hands every key to the screen reader and acts on it once the answer
    # is back; now and then the menu that Alt+H opened takes the Alt it gets
    # handed back late for a close, and is gone before A reaches it. Nothing
    # else has happened then, so the keys are pressed again.
    for attempt in range(3):
        try:
            listener.access_key("h", "Online Help")
            listener.press("a", "QV Orbalin v1.15 dialog", "QV Orbalin generates a good luck symbol for your everyday",
                           "OK push button")
            break
        except Fatal:
            if attempt == 2:
                raise
            listener.speech.wait_quiet()
    heard = review_lines(listener, 6, REVIEW_PREVIOUS_LINE) + review_lines(listener, 8, REVIEW_NEXT_LINE)
    check(any("Click here to visit" in line for line in heard), "flat review did not find the about window's link")
    listener.press("Escape", "QV Orbalin v1.15 dialog", echo="escape")


def farewell_window(listener, urls):
    step("closing the main window: the farewell window, focus on Exit")
    listener.press("alt+F4", "QV Orbalin v1.15 dialog", "Exit push button")
    mark = listener.press(SAY_ALL, "Exit push button")
    check(any("www.velmoraware.example" in line for line in listener.speech.since(mark)),
          "Say All did not read the farewell window's text")

    step("flat review reads the whole farewell window; its link is pressed from there")
    heard = review_lines(listener, 8, REVIEW_PREVIOUS_LINE)
    heard += review_lines(listener, 10, REVIEW_NEXT_LINE)
    text = " ".join(heard)
    for expected in ("QV Orbalin v1.15", "Visit www.velmoraware.example Now!", "Refer A Friend Now",
                     "Click Here To Visit Velmoraware", "astrology"):
        check(expected in text, "flat review of the farewell window did not read %r: %s" % (expected, heard))
    # From the bottom line, where the link is, to the link itself.
    before = open(urls).read()
    for _ in range(4):
        mark = listener.speech.mark()
        key(listener.session, "KP_Right")  # flat review: next item
        listener.speech.wait_quiet(0.6)
        if any("Click Here To Visit Velmoraware" == line.split("'")[0] for line in listener.speech.since(mark)):
            break
    key(listener.session, REVIEW_CLICK)
    try:
        poll(lambda: "page=velmoraware" in open(urls).read()[len(before):], "", timeout=5)
    except Fatal:
        check(False, "clicking the link from flat review opened no page")


def refer_a_friend(listener, urls):
    step("Tab through the refer-a-friend form: each box says what it is for")
    # From Exit: the big check box, the icon, then the form in its tab order.
    listener.press("Tab", "Visit www.velmoraware.example Now!", echo="tab")
    after_name = ["Refer A Friend Now push button", "Your e-mail address", "Your friend's e-mail address", "Your friend's name"]
    listener.press("Tab", "QV Orbalin icon", echo="tab")
    listener.press("Tab", lambda line: line.lower().startswith("your name"), echo="tab")
    for purpose in after_name:
        listener.press("Tab", lambda line, p=purpose: line.lower().startswith(p.lower()), echo="tab")

    step("a refused submission")
    for _ in range(3):
        listener.press("shift+Tab", echo="left shift")
    listener.press("Return", "Please Enter Proper Email Address", echo="return")
    listener.press("Return", "Refer A Friend Now push button", echo="return")

    step("a valid submission")
    listener.press("shift+Tab", lambda line: line.lower().startswith("your name"), echo="left shift")
    type_text(listener.session, "Ann")
    listener.press("Tab", "Refer A Friend Now push button", echo="tab")
    listener.press("Tab", lambda line: line.lower().startswith("your e-mail address"), echo="tab")
    type_text(listener.session, "ann@example.org")
    listener.press("Tab", lambda line: line.lower().startswith("your friend's e-mail address"), echo="tab")
    type_text(listener.session, "bob@example.org")
    listener.press("Tab", lambda line: line.lower().startswith("your friend's name"), echo="tab")
    type_text(listener.session, "Bob")
    step("Shift+Tab back into a box reads its value once")
    listener.press("Tab", lambda line: line.lower().startswith("your message"), echo="tab")  # the hidden box
    mark = listener.press("shift+Tab", lambda line: line.lower().startswith("your friend's name"), echo="left shift")
    listener.speech.wait_quiet()
    said = listener.speech.since(mark)
    # Orca reads a selected value as the selection it is told of, which Qt
    # reports a letter short ("Bo selected"): a reading is a line with the
    # value's start that is not the box's purpose.
    readings = [line for line in said if "Bo" in line and "friend" not in line.lower()]
    check(len(readings) == 1, "the friend's name was read %d times: %s" % (len(readings), said))
    for _ in range(3):
        listener.press("shift+Tab", echo="left shift")
    listener.speech.wait_for(contains("Refer A Friend Now push button"), "Shift+Tab did not reach the button")
    before = open(urls).read()
    key(listener.session, "Return")
    # The form as filled in, the untouched hidden message box among it.
    sent = ("kqws-refer-a-friend&taf1=Ann&taf2=ann%40example.org&taf3=Your%20Message%0D%0A&taf4=Bob"
            "&taf5=bob%40example.org")
    try:
        poll(lambda: sent in open(urls).read()[len(before):], "", timeout=10)
    except Fatal:
        check(False, "the valid submission opened no page: %s" % open(urls).read()[len(before):])


# --- main --------------------------------------------------------------------------------------------------------

def main():
    args = parse_arguments(__doc__)
    missing = check_tools("orca", "speech-dispatcher", "espeak-ng")
    if missing:
        print("FAIL:", missing, file=sys.stderr)
        return 1
    egyptian, indian = catalog(args.catalog_texts, 3), catalog(args.catalog_texts, 0)

    def walk(session):
        command, exec_line, urls = start_installed(session, args)
        step("starting Xvfb, openbox, the buses, speech-dispatcher and Orca")
        start_display(session)
        start_buses(session)
        listener = Listener(session, start_speech(session))

        step("starting '%s'" % exec_line)
        session.app = session.start("app", command, env=session.env)
        try:
            main_window(listener)
            result_window(listener, egyptian, indian)
            about_window(listener)
            farewell_window(listener, urls)
            refer_a_friend(listener, urls)
        except Fatal:
            keep_digest(listener.speech.path, os.path.join(session.work, "orca-heard.log"))
            raise
        step("Alt+X ends the program")
        listener.access_key("x")
        try:
            status = session.app.wait(TIMEOUT)
        except subprocess.TimeoutExpired:
            raise Fatal("the program did not end")
        check(status == 0, "the program ended with status %d" % status)

    return run("orca", walk)


if __name__ == "__main__":
    sys.exit(main())

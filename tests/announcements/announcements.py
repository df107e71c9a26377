#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

"""What a screen reader hears from Veltrane, through the real AT-SPI bridge.

Starts the program, listens on the accessibility bus for what a screen reader
announces (focus with name and role, name and description changes, text
changes, windows becoming active, alerts and announcements), drives every
test window with real key presses and checks what was announced: the Tab
cycle of every window, each Score panel, a guess in each test and where the
focus goes when a play window closes.

    announcements.py PROGRAM     (inside an X display and a D-Bus session
                                  with the accessibility bus running)
Set VELTRANE_ANNOUNCEMENTS_LOG to a file to keep everything heard.
"""

import os
import re
import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

EVENTS = [
    "object:state-changed:focused",
    "object:property-change:accessible-name",
    "object:property-change:accessible-description",
    "object:text-changed:insert",
    "object:text-caret-moved",
    "object:state-changed:showing",
    "object:announcement",
    "window:activate",
]
FOCUS = "object:state-changed:focused"
# What must never be announced as focused while a control has the focus.
FRAMES = {"frame", "internal frame", "window", "dialog", "filler", "panel", "desktop frame"}
CARD_NAME = r"(Ace|King|Queen|Jack|Two|Three|Four|Five|Six|Seven|Eight|Nine|Ten) of (Clubs|Spades|Diamonds|Hearts)"
BEGINNER_COLOURS = ("Light yellow", "Salmon pink", "Light magenta", "Light cyan", "Dark green")
RIGHT = "This is the Right Answer!"
WRONG = "Incorrect: Don't lose hope!"


class Event:
    def __init__(self, kind, role, name, description, text, window="", window_text=""):
        self.kind, self.role, self.name, self.description, self.text = kind, role, name, description, text
        # For the focus on a text box: the box, asked afterwards for the line
        # at its caret (which a screen reader says before the description).
        self.source = None
        # For a focus change: the name of the window the control is in, as it
        # was then; a screen reader says it when the focus enters a new window,
        # and with a dialog its text (the labels in it).
        self.window = window
        self.window_text = window_text

    def is_focus(self):
        return self.kind == FOCUS

    def __repr__(self):
        extra = f" [{self.description}]" if self.description else ""
        extra += f" +{self.text!r}" if self.text else ""
        extra += f" in {self.window!r}" if self.window else ""
        return f"{self.kind} {self.role} {self.name!r}{extra}"


class Failure(Exception):
    pass


def window_of(source):
    try:
        while source is not None:
            if source.get_role_name() in ("dialog", "frame", "window", "alert"):
                return source
            source = source.get_parent()
    except GLib.Error:
        pass
    return None


def window_name(source):
    window = window_of(source)
    try:
        return window.get_name() or "" if window is not None else ""
    except GLib.Error:
        return ""


def dialog_text(source):
    """The labels of the dialog the source is in, as a screen reader reads
    them when the dialog opens."""
    window = window_of(source)
    texts = []
    try:
        if window is None or window.get_role_name() != "dialog":
            return ""
        pending = [window]
        while pending:
            node = pending.pop(0)
            for i in range(node.get_child_count()):
                child = node.get_child_at_index(i)
                if child is None:
                    continue
                if child.get_role_name() == "label" and child.get_name():
                    texts.append(child.get_name())
                pending.append(child)
    except GLib.Error:
        pass
    return " ".join(texts)


def caret_line(source):
    # The older line call, as Orca 43 makes it: Qt 6.4 answers no other.
    try:
        caret = Atspi.Text.get_caret_offset(source)
        with warnings.catch_warnings():
            warnings.simplefilter("ignore", DeprecationWarning)
            return Atspi.Text.get_text_at_offset(source, caret, Atspi.TextBoundaryType.LINE_START).content or ""
    except GLib.Error as error:
        return f"(no line at the caret: {error})"


class Ear:
    """Hears the program's announcements and presses its keys."""

    def __init__(self):
        self.events = []
        self.failures = []
        self._listener = Atspi.EventListener.new(self._on_event)
        for kind in EVENTS:
            self._listener.register(kind)

    def _on_event(self, event):
        source = event.source
        try:
            app = source.get_application()
            if app is None or app.get_name().lower() != "veltrane":
                return
            role, name, description = source.get_role_name(), source.get_name(), source.get_description()
        except GLib.Error:
            return
        kind = event.type
        if kind.startswith("object:state-changed:") and event.detail1 != 1:
            return
        text = ""
        if kind.startswith("object:text-changed") or kind == "object:announcement":
            text = str(event.any_data or "")
        window = window_name(source) if kind == FOCUS else ""
        window_text = dialog_text(source) if kind == FOCUS else ""
        self.events.append(Event(kind, role, name or "", description or "", text, window, window_text))
        if kind == FOCUS and role == "text":
            self.events[-1].source = source

    def pump(self, seconds):
        context = GLib.MainContext.default()
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            while context.pending():
                context.iteration(False)
            time.sleep(0.01)

    def key(self, keys, settle=0.25, focus_within=2.0):
        """Presses keys as a user does and returns what was announced: all
        that arrives until a focus change has been heard (or focus_within
        seconds have passed without one), and for `settle` seconds after."""
        start = len(self.events)
        subprocess.run(["xdotool", "key", "--clearmodifiers", *keys.split()], check=True, stdout=subprocess.DEVNULL)
        end = time.monotonic() + focus_within
        while time.monotonic() < end and not any(e.is_focus() for e in self.events[start:]):
            self.pump(0.02)
        self.pump(settle)
        return self.events[start:]

    def wait_for(self, start, match, what, timeout=6.0):
        end = time.monotonic() + timeout
        while True:
            for event in self.events[start:]:
                if match(event):
                    return event
            if time.monotonic() > end:
                raise Failure(f"not announced: {what}; heard: {self.events[start:]}")
            self.pump(0.05)

    def last_focus(self):
        for event in reversed(self.events):
            if event.is_focus():
                return event
        return None


def focus_on(role, name):
    pattern = re.compile(name)
    return lambda e: e.is_focus() and e.role == role and pattern.fullmatch(e.name) is not None


def check_focus_events(events, where):
    for event in events:
        if event.is_focus() and event.role in FRAMES:
            raise Failure(f"{where}: the {event.role} {event.name!r} announced as focused: {events}")


def tab_to(ear, role, name, where, limit=40):
    """Tabs until the control is announced as focused."""
    match = focus_on(role, name)
    last = ear.last_focus()
    if last and match(last):
        return
    for _ in range(limit):
        events = ear.key("Tab")
        check_focus_events(events, where)
        if any(match(e) for e in events):
            return
    raise Failure(f"{where}: Tab never reached the {role} {name!r}")


def tab_cycle(ear, where, limit=40):
    """Tab round the window: each press announces one control, never the
    window, and the cycle comes back to where it started; Shift+Tab goes
    back across the wrap point the same way."""
    start = ear.last_focus()
    if start is None or start.role in FRAMES:
        raise Failure(f"{where}: no control has the focus at the start: {start}")
    seen = [start.name]
    for _ in range(limit):
        events = ear.key("Tab")
        check_focus_events(events, where)
        focus = [e for e in events if e.is_focus()]
        if not focus:
            if len(seen) == 1:
                return seen  # the only control of the window
            raise Failure(f"{where}: Tab from {seen[-1]!r} announced nothing")
        if (focus[-1].role, focus[-1].name) == (start.role, start.name):
            events = ear.key("shift+Tab")
            check_focus_events(events, where + " (Shift+Tab at the wrap point)")
            back = [e for e in events if e.is_focus()]
            if not back or back[-1].name != seen[-1]:
                raise Failure(f"{where}: Shift+Tab at the wrap point announced {back}, not {seen[-1]!r}")
            ear.key("Tab")
            return seen
        seen.append(focus[-1].name)
    raise Failure(f"{where}: Tab never came back to {start.name!r}: {seen}")


def score_panel(ear, where, score_keys, back_keys, lines, after=None):
    """Score puts the focus on the score text, described whole; Ok brings
    it to `after` (role, name): the first choice of the panel now shown,
    so that a screen reader speaks it. Without `after`, back to Score."""
    start = len(ear.events)
    ear.key(score_keys)
    text = ear.wait_for(start, focus_on("text", "Score"), f"{where}: focus on the score text")
    # A screen reader takes text and caret changes of a box that has the
    # focus by the time it hears them as the focus arriving, and then says
    # nothing when the focus event comes: within the active window, the
    # focus must come first.
    before = ear.events[start:ear.events.index(text)]
    activations = [i for i, e in enumerate(before) if e.kind == "window:activate"]
    for event in before[activations[-1] if activations else 0:]:
        if event.name == "Score" and event.kind.startswith(("object:text-changed", "object:text-caret-moved")):
            raise Failure(f"{where}: {event} came before the focus on the score text")
    # Said on the focus: the line at the caret, then the description; each
    # line of the score once.
    first = caret_line(text.source).strip()
    found = (first + "\n" + text.description).count("Correct Out Of")
    if not first or found != lines or first in text.description or text.description.startswith("\n"):
        raise Failure(f"{where}: the score text is heard as {first!r} and {text.description!r}")
    if back_keys == "Ok":
        tab_to(ear, "push button", "Ok", where)
        back_keys = "space"
    start = len(ear.events)
    ear.key(back_keys)
    if after:
        ear.wait_for(start, focus_on(*after), f"{where}: focus on {after[1]!r} after Ok")
        return
    # Either the focus comes back to Score, or it stayed on the button whose
    # caption turns from "Ok" back to "Score" (announced as a name change).
    renamed = lambda e: e.kind.endswith("accessible-name") and e.role == "push button" and e.name == "Score"
    ear.wait_for(start, lambda e: focus_on("push button", "Score")(e) or renamed(e), f"{where}: focus back on Score")
    if ear.last_focus().name not in ("Score", "Ok"):
        raise Failure(f"{where}: the focus is on {ear.last_focus()}, not on Score")


def guess(ear, where, reveal=None, unshown=(), keys="space"):
    """The focused choice is pressed: "Please Wait ..." is announced as an
    alert, then the feedback window opens with the verdict as its text and
    the focus on TRY AGAIN, which closes it. A screen
    reader speaks name changes only of the focused control, so the revealed
    answer (when the test shows one) must come with the feedback window's
    name, said as the focus enters it ("Result: Ten of Clubs"); where none is
    shown that name is plain "Result". Nothing names what the window does not
    show (`unshown`)."""
    start = len(ear.events)
    ear.key(keys, settle=0.1, focus_within=0)
    wait = ear.wait_for(start, lambda e: e.role in ("alert", "notification") and e.kind == "object:state-changed:showing"
                        and e.name.startswith("Please Wait"), f"{where}: \"Please Wait ...\" as an alert")
    button = ear.wait_for(start, focus_on("push button", "TRY AGAIN"), f"{where}: the verdict", timeout=8)
    # Said once: with the window's text as it opens, not again with the button.
    if RIGHT not in button.window_text and WRONG not in button.window_text:
        raise Failure(f"{where}: the feedback window opens without the verdict: {button.window_text!r}")
    if RIGHT in button.description or WRONG in button.description:
        raise Failure(f"{where}: the verdict is said twice, also with TRY AGAIN: {button}")
    during = ear.events[ear.events.index(wait):ear.events.index(button) + 1]
    expected = f"Result: (?:{reveal})" if reveal else "Result"
    if not re.fullmatch(expected, button.window):
        raise Failure(f"{where}: the feedback window is named {button.window!r}, not {expected!r}: {during}")
    for event in during:
        said = event.window if event.is_focus() else event.name + event.text
        if any(word.lower() in said.lower() for word in unshown):
            raise Failure(f"{where}: {event} names what the window does not show")
    start = len(ear.events)
    events = ear.key("space")
    check_focus_events(events, where + " after TRY AGAIN")
    ear.wait_for(start, lambda e: e.is_focus() and e.name != "TRY AGAIN", f"{where}: focus after TRY AGAIN")


def close_play_window(ear, where, keys, expect):
    """Closing a play window puts the focus on a control of the window now in front."""
    start = len(ear.events)
    events = ear.key(keys, settle=0.5)
    check_focus_events(events, where)
    focus = ear.wait_for(start, lambda e: e.is_focus(), f"{where}: focus after closing")
    if not re.fullmatch(expect, focus.name):
        raise Failure(f"{where}: the focus went to {focus}")


def run(ear):
    ear.wait_for(0, focus_on("push button", "Psychic Color Test"), "the first launcher at start-up", timeout=15)
    tab_cycle(ear, "main window")

    # The About window, from the Help menu, and back.
    start = len(ear.events)
    ear.key("alt+h a")
    ear.wait_for(start, lambda e: e.is_focus() and e.role not in FRAMES, "About: a focused control")
    tab_cycle(ear, "About window")
    close_play_window(ear, "About window closed by Esc", "Escape", "Psychic (Color|Symbol|Card) Test")

    # The card test: home, Score, the colour-card game, a guess, Exit.
    tab_to(ear, "push button", "Psychic Card Test", "main window")
    start = len(ear.events)
    ear.key("space")
    ear.wait_for(start, lambda e: e.is_focus() and e.role not in FRAMES, "card home: a focused control")
    tab_cycle(ear, "card home window")
    tab_to(ear, "push button", "Score", "card home window")
    score_panel(ear, "card home window", "space", "Ok", 2, after=("push button", "Pick The Right Color Card"))
    tab_to(ear, "push button", "Pick The Right Color Card", "card home window")
    start = len(ear.events)
    ear.key("space")
    ear.wait_for(start, lambda e: e.is_focus() and e.role not in FRAMES, "card play window: a focused control")
    tab_cycle(ear, "card play window")
    tab_to(ear, "push button", "(?i).*black.*", "card play window")
    guess(ear, "card guess", reveal=CARD_NAME)
    close_play_window(ear, "card play window closed by Back", "alt+b", "Pick The Right (Color )?Card|Score|Exit")
    tab_to(ear, "push button", "Pick The Right Card", "card home window")
    start = len(ear.events)
    ear.key("space")
    ear.wait_for(start, lambda e: e.is_focus() and e.role not in FRAMES, "card play window: a focused control")
    tab_cycle(ear, "card play window, the right-card game")
    tab_to(ear, "push button", CARD_NAME, "card play window, the right-card game")
    guess(ear, "right-card guess", reveal=CARD_NAME)
    close_play_window(ear, "card play window closed by Esc", "Escape", "Psychic (Color|Symbol|Card) Test")

    # The colour test: home, Score, Proceed, a guess, Back.
    tab_to(ear, "push button", "Psychic Color Test", "main window")
    start = len(ear.events)
    ear.key("space")
    ear.wait_for(start, lambda e: e.is_focus() and e.role not in FRAMES, "colour home: a focused control")
    tab_cycle(ear, "colour home window")
    tab_to(ear, "push button", "Score", "colour home window")
    score_panel(ear, "colour home window", "space", "Ok", 3, after=("radio button", "Beginner"))
    tab_to(ear, "push button", "Proceed To Color Test", "colour home window")
    start = len(ear.events)
    ear.key("space")
    ear.wait_for(start, lambda e: e.is_focus() and e.role not in FRAMES, "colour play window: a focused control")
    tab_cycle(ear, "colour play window")
    tab_to(ear, "push button", "(?i)light yellow", "colour play window")
    guess(ear, "colour guess", unshown=BEGINNER_COLOURS)
    close_play_window(ear, "colour play window closed by Back", "alt+b", "Proceed To Color Test|Score|Exit|Beginner")

    close_play_window(ear, "colour home window closed by Alt+E", "alt+e", "Psychic (Color|Symbol|Card) Test")

    # The symbol test: the level dialog, a guess, Score, Exit.
    tab_to(ear, "push button", "Psychic Symbol Test", "main window")
    start = len(ear.events)
    ear.key("space")
    ear.wait_for(start, lambda e: e.is_focus() and e.role not in FRAMES, "symbol level dialog: a focused control")
    tab_cycle(ear, "symbol level dialog")
    start = len(ear.events)
    ear.key("Return")
    ear.wait_for(start, lambda e: e.is_focus() and e.role not in FRAMES, "symbol play window: a focused control")
    tab_cycle(ear, "symbol play window")
    tab_to(ear, "push button", "(?i)circle", "symbol play window")
    guess(ear, "symbol guess", reveal=r"Circle|Cross|Waves|Square|Star")
    tab_to(ear, "push button", "Score", "symbol play window")
    score_panel(ear, "symbol score dialog", "space", "Return", 3)
    close_play_window(ear, "symbol play window closed by Esc", "alt+e", "Psychic (Color|Symbol|Card) Test|.*")


def main():
    ear = Ear()
    log = os.environ.get("VELTRANE_ANNOUNCEMENTS_LOG")
    program = subprocess.Popen(sys.argv[1:])
    rc = 0
    try:
        run(ear)
        print("announcements: all heard as expected")
    except Failure as failure:
        print(f"announcements: FAIL: {failure}", file=sys.stderr)
        rc = 1
    finally:
        program.terminate()
        try:
            program.wait(10)
        except subprocess.TimeoutExpired:
            program.kill()
        if log:
            with open(log, "w", encoding="utf-8") as out:
                for event in ear.events:
                    out.write(f"{event}\n")
    return rc


if __name__ == "__main__":
    sys.exit(main())

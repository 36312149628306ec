#!/usr/bin/python3
"""A whole game by ear: the real program under the Orca screen reader, played with keys alone.

Runs inside a D-Bus session of its own on a private X server (see the ctest command): starts a
window manager, the accessibility bus and Orca, whose debug log records what it would speak.
Speech and braille are stubbed out, since a test machine has neither device. Checks that a message
box, a menu and the log-in window are spoken; that each peg placed and taken out, each score,
each row read back and the secret are spoken, with no role word after them, and every spoken
score agrees with the spoken secret; that the help is read line by line; that the statistics
window opens from the keyboard and speaks the figures of the view chosen; and that, started with
LANGUAGE=de, the game speaks German. The same checks hold for Orca 43 (Debian 12) and 48
(Debian 13). Each key is pressed once Orca is idle, and the next
waits until Orca has said what the key should make it say, however busy the machine.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

program = sys.argv[1]
work = tempfile.mkdtemp(prefix="vellacode-orca-")
log = os.path.join(work, "orca.log")
stub = os.path.join(work, "stub")
os.makedirs(stub)
for module in ("speechd", "brlapi"):  # no speech or braille device: Orca goes on without
    with open(os.path.join(stub, module + ".py"), "w") as f:
        f.write('raise ImportError("no such device in this test")\n')
# Orca writes its debug log through a buffer: each line is to reach the file as it is written.
with open(os.path.join(stub, "sitecustomize.py"), "w") as f:
    f.write("import builtins\n"
            "_open = builtins.open\n"
            "def _line_buffered(file, mode='r', buffering=-1, *args, **kwargs):\n"
            "    if file == %r and buffering == -1:\n"
            "        buffering = 1\n"
            "    return _open(file, mode, buffering, *args, **kwargs)\n"
            "builtins.open = _line_buffered\n" % log)
runtime = os.path.join(work, "run")
os.makedirs(runtime, mode=0o700)
env = dict(os.environ, HOME=work, XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=work + "/config",
           XDG_DATA_HOME=work + "/data", NO_AT_BRIDGE="0")
started = []


def start(command, **extra):
    output = open(os.path.join(work, os.path.basename(command[0]) + ".out"), "w")
    process = subprocess.Popen(command, env=dict(env, **extra), stdout=output,
                               stderr=subprocess.STDOUT)
    started.append(process)
    return process


def spoken():
    """What Orca has said so far, a line an utterance, in words both Orca 43 and 48 use: without
    the full stop that only 43 adds, and a push button called a button, as 48 calls it."""
    try:
        with open(log, errors="replace") as f:
            said = re.findall(r"SPEECH OUTPUT: '(.*?)' ?(?:\{.*\}|None)?$", f.read(), re.M)
    except FileNotFoundError:
        return []
    return [re.sub(r"(?<!\.)\.$", "", line.strip()).replace(" push button", " button")
            for line in said]


def sentences():
    """What Orca has said, without the names of the keys it echoes."""
    return [line for line in spoken() if not re.match(r"^(\w|return|backspace|tab|escape|"
                                                      r"(left )?shift|left alt|up|down)$", line)]


def stop(process):
    """Ends a process of the rig; one that hangs and ignores the request is killed."""
    process.terminate()
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def wait_for(pattern, seconds=20, required=True, after=0):
    """The first line Orca says after its first `after` ones that matches `pattern`."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        for line in spoken()[after:]:
            if re.search(pattern, line):
                return line
        time.sleep(0.1)
    if required:
        events = re.findall(r"Queueing (\S+ (?:for )?\[.*?\])", open(log, errors="replace").read())
        sys.exit("Orca never said %r; it said:\n  %s\nThe last events it had:\n  %s"
                 % (pattern, "\n  ".join(spoken()), "\n  ".join(events[-12:])))
    return None


def score_of(said, row):
    """The score spoken for `row` (counted from 1): "B black, W white"."""
    for line in said:
        m = re.match(r"Row %d: (\d black, \d white)$" % row, line)
        if m:
            return m.group(1)
    return "?"


def settle(quiet=0.5, seconds=20):
    """Waits until Orca has written nothing to its log for `quiet` seconds: it has handled every
    event so far, and a key pressed now is not lost among them."""
    deadline = time.time() + seconds
    size, since = -1, time.time()
    while time.time() < deadline:
        now = os.path.getsize(log) if os.path.exists(log) else 0
        if now != size:
            size, since = now, time.time()
        elif time.time() - since >= quiet:
            return
        time.sleep(0.05)


def active_window(title, seconds=60):
    """Waits until the window manager has given the keyboard to the window titled `title`: on a
    busy machine a window may show, and Orca speak of it, before its keys reach it."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        name = subprocess.run(["xdotool", "getactivewindow", "getwindowname"], env=env,
                              capture_output=True, text=True).stdout.strip()
        if re.match(title, name):
            return
        time.sleep(0.1)
    sys.exit("The window %r never had the keyboard; %r had it" % (title, name))


def press(key, expect, window=None):
    """Presses `key` (or keys, between spaces) once Orca is idle (and `window`, where given, has the keyboard) and waits, up
    to a minute on a busy machine, until Orca has said `expect` since."""
    if window:
        active_window(window)
    settle()
    before = len(spoken())
    subprocess.run(["xdotool", "key", "--delay", "300"] + key.split(), env=env, check=True)
    return wait_for(expect, seconds=60, after=before)


failures = []


def follows(said, *lines):
    """The lines were said in this order, one right after the other."""
    n = len(lines)
    return any(tuple(said[i:i + n]) == lines for i in range(len(said) - n + 1))


def check(condition, what):
    if not condition:
        failures.append(what)


try:
    # A window mapped before openbox manages the screen is never focused: it is waited for.
    managing = os.path.join(work, "managing")
    start(["openbox", "--startup", "touch " + managing])
    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    time.sleep(1)
    deadline = time.time() + 30
    while not os.path.exists(managing) and time.time() < deadline:
        time.sleep(0.1)
    # Orca now and then hangs while it starts beside a new program, or starts slowly on a busy
    # machine; the rig is started again then, up to three times. The program itself is judged
    # only on a rig that came up.
    tries = []  # why each try failed, with what Orca said and the program printed
    for attempt in range(3):
        orca, game = start(["orca", "--debug-file=" + log], PYTHONPATH=stub), "not started"
        if wait_for(r"^Screen reader on", seconds=90, required=False):
            time.sleep(1)
            game = start([program, "--stats-folder", work], QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
            if wait_for(r"^Check this row button", required=False):
                break
            stop(game)
            game = "ended with %d" % game.returncode
        stop(orca)
        with open(os.path.join(work, os.path.basename(program) + ".out"), "a+") as f:
            f.seek(0)
            tries.append("Orca said %s; the program, %s, printed %r; openbox managed: %s"
                         % (spoken()[-4:], game, f.read()[-300:], os.path.exists(managing)))
        if os.path.exists(log):
            os.remove(log)
    else:
        sys.exit("Orca and the program did not come up in three tries:\n  " + "\n  ".join(tries))

    # A message box, a menu and the log-in window, before the game.
    press("Return", r"You left some blanks")  # an empty row
    press("Return", r"^Check this row button")
    press("alt+s", r"^Log In\.\.\.")
    # A window that opens at a key is spoken; the control focused in it may not be, when Orca
    # takes the key after the window has opened. Tab and Shift+Tab have Orca say it.
    press("Return", r"^¿Quién Es Usted\? dialog")
    press("Tab", r"^OK button", window=r"^¿Quién Es Usted\?$")
    press("shift+Tab", r"^User ID editable combo box")
    for key in "bob":
        press(key, r"^%s ?$" % key)  # the key echoed
    press("BackSpace", r"^backspace")
    b_taken = wait_for(r"^(B|cap b)$", seconds=10, required=False)
    press("b", r"^b ?$")
    # Orca 43 on a slow machine now and then takes the game window, as the log-in window closes,
    # for not yet active, and names only the focused button. A person then asks Orca for the
    # window's title (Orca+Keypad Enter), and so does the test.
    if press("Return", r"^(Current Player: Bob|Check this row button)").startswith("Check"):
        press("KP_Insert+KP_Enter", r"^Current Player: Bob$")
    said = sentences()
    check(follows(said, "alert Vellacode", "You left some blanks.  Try your guess again"),
          "the message box")
    check(b_taken, "the letter Backspace took out of the name")
    check(sum("We need your name" in line for line in said) == 1, "the log-in window's prompt once")

    # One peg by key, taken out again, then rows of four different colours until the game ends,
    # with the rows read back after the third row is filled.
    press("3", r"^Row 1, hole 1: red")
    press("BackSpace", r"^Row 1, hole 1: empty")
    guesses = ["1234", "2345", "3456", "4561", "5612", "6123", "1352", "2461", "3514", "4625"]
    words = ["black", "blue", "red", "green", "cyan", "magenta"]
    for row, guess in enumerate(guesses):
        for hole, key in enumerate(guess):
            press(key, r"^Row %d, hole %d: " % (row + 1, hole + 1))
        if row == 2:  # past row 1 and past the current row, each end is said again
            for key, said_row in (("Down", "Row 2"), ("Down", "Row 1"), ("Down", "No more rows. Row 1"),
                                  ("Up", "Row 2"), ("Up", "Row 3"), ("Up", "No more rows. Row 3")):
                press(key, r"^%s: \w+, " % said_row)
        if press("Return", r"^Row %d: \d black" % (row + 1)).startswith("Row %d: 4" % (row + 1)):
            break
    result = wait_for(r"The pattern was")
    secret = re.search(r"The pattern was (\w+), (\w+), (\w+), (\w+)", result).groups()
    said = sentences()

    # A game won before the third row (the secret is drawn at random) has nothing to read back.
    check(row < 2 or follows(said, "Row 3, hole 4: magenta",
                  "Row 2: blue, red, green, cyan; %s" % score_of(said, 2),
                  "Row 1: black, blue, red, green; %s" % score_of(said, 1),
                  "No more rows. Row 1: black, blue, red, green; %s" % score_of(said, 1),
                  "Row 2: blue, red, green, cyan; %s" % score_of(said, 2),
                  "Row 3: red, green, cyan, magenta; current row",
                  "No more rows. Row 3: red, green, cyan, magenta; current row"),
          "rows read back with Down, Down, Down, Up, Up, Up")
    check(re.match(r"(Better Luck Next Time dialog I'm Sorry\. You Didn't Win This Time\.|"
                   r"Congratulations! dialog You Won!!) The pattern was", result),
          "the result: " + result)

    # Every score spoken, without a role word after it, is the score of its row against the
    # spoken secret.
    scores = [re.match(r"Row (\d+): (\d) black, (\d) white$", line) for line in said]
    scores = [m for m in scores if m]
    check(len(scores) == row + 1, "%d scores spoken for %d rows" % (len(scores), row + 1))
    for m in scores:
        row = int(m.group(1)) - 1
        guess = [words[int(k) - 1] for k in guesses[row]]
        blacks = sum(g == s for g, s in zip(guess, secret))
        common = sum(min(guess.count(c), secret.count(c)) for c in set(guess))
        check((int(m.group(2)), int(m.group(3))) == (blacks, common - blacks),
              "row %d scored %s against %s" % (row + 1, m.group(0), secret))

    # The help, read from its heading on; then the statistics window from the keyboard, where
    # another view's figures are read as it is chosen.
    # The result window closes.
    press("Return", r"^Check this row button", window=r"^(Congratulations!|Better Luck Next Time)$")
    press("alt+h", r"^Contents")
    press("c", r"^Vellacode Help frame")  # the help, read line by line
    press("Down", r"^Vellacode hides a pattern of four pegs\. Find it in ten guesses or fewer$")
    press("Escape", r"^Check this row button")
    press("Tab", r"^Allow Blanks check box")
    press("Tab", r"^Allow Repeated Colors check box")
    press("Tab", r"^Shows the players' statistics")
    opened = press("Return", r"^Player Stats dialog")
    active_window(r"^Player Stats$")
    # Each figure once, with its row and its column.
    check(re.search(r"Percent Games Won, 6 Colors: \d+% Percent Games Won, 7 Colors: ", opened)
          and not re.search(r"(\b[A-Z][a-z]+(?: [A-Za-z()]+)*) \1,", opened),
          "the figures as the statistics window opens: " + opened)
    press("Tab", r"^Delete Player button")
    press("shift+Tab", r"^BOB combo box")
    press("Tab", r"^Delete Player button")
    press("Tab", r"^Standard Game")
    press("Down", r"^Blanks Allowed\. 6 Colors: Games Played 0, Games Won -,")
    press("Escape", r"^Check this row button")
    said = sentences()
    check(follows(said, "Statistics button", "Shows the players' statistics"),
          "the statistics picture as a button")

    # The game again with LANGUAGE=de: a message, a menu, a placed peg and the statistics window
    # are spoken in German (Orca's own role words stay in its language).
    stop(game)
    before = len(spoken())
    game = start([program, "--stats-folder", work], QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                 LANGUAGE="de")
    wait_for(r"^Diese Reihe prüfen button", seconds=60, after=before)
    press("Return", r"Du hast Lücken gelassen\.  Versuch es noch einmal", window=r"^Vellacode$")
    press("Return", r"^Diese Reihe prüfen button")
    press("alt+s", r"^Anmelden\.\.\.")
    press("Escape Escape", r"^Diese Reihe prüfen button")
    press("3", r"^Reihe 1, Loch 1: rot$")
    press("Tab Tab Tab", r"^Zeigt die Statistik der Spieler")
    opened = press("Return", r"^Spielerstatistik dialog")
    check(re.search(r"Gewonnen in Prozent, 6 Farben: ", opened),
          "the statistics window in German: " + opened)
    press("Escape", r"^Diese Reihe prüfen button")
finally:
    for process in reversed(started):
        stop(process)

if failures:
    print("What Orca said:\n  " + "\n  ".join(spoken()))
    sys.exit("\n".join(failures))
print("Orca said %d things; every check passed." % len(spoken()))
for failed in tries:
    print("A try before failed. " + failed)
shutil.rmtree(work, ignore_errors=True)

#!/usr/bin/python3
"""A whole game by ear: the real program under the Orca screen reader, played with keys alone.

Runs inside a D-Bus session of its own on a private X server (see the ctest command): starts a
window manager, the accessibility bus and Orca, whose debug log records what it would speak.
Speech and braille are stubbed out, since a test machine has neither device. Checks that a message
box, a menu and the log-in window are spoken; that each peg placed and taken out, each score,
each row read back and the secret are spoken, and every spoken score agrees with the spoken
secret; that the help is read from its heading and line by line; and that the statistics window
opens from the keyboard and speaks the figures of the view chosen.
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
    try:
        with open(log, errors="replace") as f:
            return re.findall(r"SPEECH OUTPUT: '(.*)' ?\{", f.read())
    except FileNotFoundError:
        return []


def stop(process):
    """Ends a process of the rig; one that hangs and ignores the request is killed."""
    process.terminate()
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def wait_for(pattern, seconds=20, required=True):
    deadline = time.time() + seconds
    while time.time() < deadline:
        for line in spoken():
            if re.search(pattern, line):
                return line
        time.sleep(0.2)
    if required:
        sys.exit("Orca never said %r; it said:\n  %s" % (pattern, "\n  ".join(spoken())))
    return None


def score_of(said, row):
    """The score spoken for `row` (counted from 1): "B black, W white"."""
    for line in said:
        m = re.match(r"Row %d: (\d black, \d white) label\.$" % row, line)
        if m:
            return m.group(1)
    return "?"


def keys(*names, pause=0.7):
    for name in names:
        subprocess.run(["xdotool", "key", name], env=env, check=True)
        time.sleep(pause)


failures = []


def follows(said, *lines):
    """The lines were said in this order, one right after the other."""
    n = len(lines)
    return any(tuple(said[i:i + n]) == lines for i in range(len(said) - n + 1))


def check(condition, what):
    if not condition:
        failures.append(what)


try:
    start(["openbox"])
    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    time.sleep(1)
    # Orca now and then hangs while it starts beside a new program, or starts slowly on a busy
    # machine; the rig is started again then, up to three times. The program itself is judged
    # only on a rig that came up.
    for attempt in range(3):
        orca = start(["orca", "--debug-file=" + log], PYTHONPATH=stub)
        if wait_for(r"^Screen reader on", seconds=40, required=False):
            time.sleep(1)
            game = start([program, "--stats-folder", work], QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
            if wait_for(r"^Check this row push button", required=False):
                break
            stop(game)
        stop(orca)
        if os.path.exists(log):
            os.remove(log)
    else:
        sys.exit("Orca and the program did not come up in three tries")

    # A message box, a menu and the log-in window, before the game.
    keys("Return", pause=1.5)  # an empty row
    keys("Return", "alt+s", pause=1.0)
    keys("Return", pause=2.0)  # Log In...
    keys("b", "o", "b", "Return", pause=1.0)
    said = spoken()
    check(follows(said, "alert Vellacode.", "You left some blanks.  Try your guess again.",
                  "OK push button."), "the message box")
    check("Log In..." in said, "the Stuff menu")
    check("User ID editable combo box." in said, "the log-in box")
    check("Current Player: Bob frame." in said, "the game window after logging in")

    # One peg by key, taken out again, then rows of four different colours until the game ends,
    # with the rows read back after the third row is filled.
    keys("3", "BackSpace")
    guesses = ["1234", "2345", "3456", "4561", "5612", "6123", "1352", "2461", "3514", "4625"]
    words = ["black", "blue", "red", "green", "cyan", "magenta"]
    for row, guess in enumerate(guesses):
        keys(*guess)
        if row == 2:
            keys("Down", "Down", "Up")
        keys("Return", pause=0.8)
        if any("You Won" in line or "Didn't Win" in line for line in spoken()):
            break
    result = wait_for(r"The pattern was")
    secret = re.search(r"The pattern was (\w+), (\w+), (\w+), (\w+)\.", result).groups()
    said = spoken()

    check(follows(said, "Row 1, hole 1: red label.", "Row 1, hole 1: empty label."),
          "a peg placed and taken out")
    # A game won before the third row (the secret is drawn at random) has nothing to read back.
    check(row < 2 or follows(said, "Row 3, hole 4: magenta label.",
                  "Row 2: blue, red, green, cyan; %s label." % score_of(said, 2),
                  "Row 1: black, blue, red, green; %s label." % score_of(said, 1),
                  "Row 2: blue, red, green, cyan; %s label." % score_of(said, 2)),
          "rows read back with Down, Down, Up")
    check(re.match(r"(Better Luck Next Time dialog I'm Sorry\. You Didn't Win This Time\.|"
                   r"Congratulations! dialog You Won!!) The pattern was", result),
          "the result: " + result)

    # Every score spoken is the score of its row against the spoken secret.
    scores = [re.match(r"Row (\d+): (\d) black, (\d) white label\.$", line) for line in said]
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
    keys("Return", "alt+h", pause=1.0)  # the result window closes
    keys("c", pause=2.5)
    keys("Down", pause=1.0)
    keys("Escape", "Tab", "Tab", "Tab", pause=1.5)
    keys("Return", pause=3.0)
    keys("Tab", "Tab", "Down", pause=2.0)
    keys("Escape", pause=1.0)
    said = spoken()
    check(follows(said, "Vellacode Help frame.", "Vellacode Help label.",
                  "Vellacode hides a pattern of four pegs. Find it in ten guesses or fewer."),
          "the help read from its heading")
    check(follows(said, "Statistics push button.", "Shows the players' statistics."),
          "the statistics picture as a button")
    check("BOB combo box." in said, "the statistics window's player box")
    check(any(line.startswith("Blanks Allowed. 6 Colors: Games Played 0, Games Won -,")
              for line in said), "the figures of the view chosen")
finally:
    for process in reversed(started):
        stop(process)

if failures:
    print("What Orca said:\n  " + "\n  ".join(spoken()))
    sys.exit("\n".join(failures))
print("Orca said %d things; every check passed." % len(spoken()))
shutil.rmtree(work, ignore_errors=True)

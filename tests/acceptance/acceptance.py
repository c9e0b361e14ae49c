#!/usr/bin/env python3
"""Acceptance: the phrase book as a user gets it.

Starts <build>/plauderix.exe in its own process (current directory <build>,
the test display, the recording sound device), drives it only with real X
input through xdotool, and reads what the user sees through the outside
inspector and screenshots. Run inside the test environment (scripts/wine-env.sh).

    acceptance.py BUILD_DIR
"""
import os
import subprocess
import sys
import tempfile
import time

BUILD = os.path.abspath(sys.argv[1])
WINE = "/usr/lib/wine/wine64" if os.path.exists("/usr/lib/wine/wine64") else "wine"
SCALE = int(os.environ.get("PLAUDERIX_TIME_SCALE", "1"))
WORK = tempfile.mkdtemp(prefix="plauderix-acceptance-")
INSPECT = next(p for p in (os.path.join(BUILD, "tools", "plauderix_inspect.exe"),
                           os.path.join(BUILD, "tests", "plauderix_inspect.exe")) if os.path.exists(p))
CAPTURE = os.path.join(WORK, "capture.raw")
SHELL_LOG = os.path.join(WORK, "shell.log")
PALE_YELLOW = (255, 255, 204)

failures = []
passed = 0


def check(condition, what):
    global passed
    if condition:
        passed += 1
        print("ok:", what)
    else:
        failures.append(what)
        print("FAILED:", what)


def run(args, timeout=60, env=None):
    out = os.path.join(WORK, "run.log")
    with open(out, "w") as f:
        subprocess.run(args, stdout=f, stderr=subprocess.STDOUT, timeout=timeout * SCALE, env=env)


def wait_until(condition, timeout):
    end = time.time() + timeout * SCALE
    while time.time() < end:
        if condition():
            return True
        time.sleep(0.2)
    return condition()


def inspect(*args):
    facts = os.path.join(WORK, "facts.txt")
    if os.path.exists(facts):
        os.remove(facts)
    run([WINE, INSPECT, facts] + [str(a) for a in args], timeout=120)
    rows = []
    with open(facts, encoding="latin-1") as f:
        for line in f:
            kind, _, rest = line.rstrip("\n").partition(" ")
            row = {"kind": kind}
            text = None
            if " text=" in rest:
                rest, _, text = rest.partition(" text=")
            for part in rest.split():
                key, _, value = part.partition("=")
                row[key] = value
            row["text"] = text
            rows.append(row)
    return rows


def tree():
    rows = inspect("tree")
    return rows[0], {int(r["id"]): r for r in rows[1:]}


def rect(row):
    return int(row["x"]), int(row["y"]), int(row["w"]), int(row["h"])


def centre(row):
    x, y, w, h = rect(row)
    return x + w // 2, y + h // 2


def xdo(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True, timeout=30)


def shot(name):
    path = os.path.join(WORK, name)
    subprocess.run(["import", "-window", "root", path], check=True, timeout=60)
    return path


def pixel(path, x, y):
    fmt = ",".join("%[fx:int(255*p{" + str(x) + "," + str(y) + "}." + c + "+0.5)]" for c in "rgb")
    out = subprocess.run(["convert", path, "-format", fmt, "info:"],
                         capture_output=True, text=True, timeout=60).stdout
    return tuple(int(v) for v in out.strip().split(","))


def count_colour(path, area, colour, fuzz=20):
    """Pixels within `fuzz` of `colour` in the area (x, y, w, h)."""
    x, y, w, h = area
    r, g, b = colour
    out = subprocess.run(["convert", path, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage",
                          "-fuzz", "%d%%" % fuzz, "-fill", "white", "-opaque", "rgb(%d,%d,%d)" % (r, g, b),
                          "-fill", "black", "+opaque", "white", "-format", "%[fx:mean*w*h]", "info:"],
                         capture_output=True, text=True, timeout=60).stdout
    return float(out.strip() or 0)


def wav_data(path):
    data = open(path, "rb").read()
    pos = 12
    while pos + 8 <= len(data):
        size = int.from_bytes(data[pos + 4:pos + 8], "little")
        if data[pos:pos + 4] == b"data":
            return data[pos + 8:pos + 8 + size]
        pos += 8 + size + (size & 1)
    return b""


def capture_settled():
    last = [-1]

    def settled():
        size = os.path.getsize(CAPTURE) if os.path.exists(CAPTURE) else 0
        done = size > 0 and size == last[0]
        last[0] = size
        return done
    wait_until(settled, 120)
    return open(CAPTURE, "rb").read()


def register_shell_standin():
    """Each request the shell passes on appends the shortcut's text and a marker."""
    log = "Z:" + SHELL_LOG.replace("/", "\\")
    bat = os.path.join(WORK, "standin.bat")
    with open(bat, "w", newline="\r\n") as f:
        f.write('@echo off\ntype %%1 >> "%s"\necho.>> "%s"\necho ---->> "%s"\n' % (log, log, log))
    command = '\\"Z:' + bat.replace("/", "\\\\") + '\\" \\"%1\\"'
    reg = os.path.join(WORK, "standin.reg")
    with open(reg, "w") as f:
        f.write("REGEDIT4\n\n[HKEY_CLASSES_ROOT\\.url]\n@=\"InternetShortcut\"\n\n"
                "[HKEY_CLASSES_ROOT\\InternetShortcut\\shell\\open\\command]\n"
                "@=\"" + command + "\"\n")
    run([WINE, "regedit", "/S", reg], timeout=120)


def unregister_shell_standin():
    reg = os.path.join(WORK, "restore.reg")
    with open(reg, "w") as f:
        f.write("REGEDIT4\n\n[HKEY_CLASSES_ROOT\\InternetShortcut\\shell\\open\\command]\n"
                "@=\"rundll32.exe ieframe.dll,OpenURL %l\"\n")
    run([WINE, "regedit", "/S", reg], timeout=120)


def start():
    env = dict(os.environ, CAPTURE=CAPTURE)
    log = open(os.path.join(WORK, "program.log"), "w")
    program = subprocess.Popen([WINE, "plauderix.exe"], cwd=BUILD, env=env, stdout=log, stderr=subprocess.STDOUT)
    rows = inspect("wait", 300 * SCALE)
    return program, rows[0] if rows else None


def finish(program, timeout=60):
    try:
        return program.wait(timeout * SCALE)
    except subprocess.TimeoutExpired:
        program.kill()
        return None


def main():
    register_shell_standin()
    for name in ("internet.url",):
        if os.path.exists(os.path.join(BUILD, name)):
            os.remove(os.path.join(BUILD, name))

    program, window = start()
    check(window is not None, "the main window shows")
    if window is None:
        finish(program, 5)
        return
    window, children = tree()
    x, y, w, h = rect(window)
    check((w, h) == (600, 440), "the window's outer size is 600 x 440 (got %d x %d)" % (w, h))
    item = inspect("item", 2)[0]
    check(item.get("count") == "20", "the list shows twenty phrases")

    # Step: a double-click translates and plays the right recording.
    open(CAPTURE, "wb").close()
    xdo("mousemove", item["x"], item["y"], "click", "--repeat", "2", "--delay", "120", "1")
    check(wait_until(lambda: tree()[1][109]["text"] == "Guhdn Daach!", 30),
          'double-clicking "Guten Tag!" shows "Guhdn Daach!"')
    captured = capture_settled()
    expected = wav_data(os.path.join(BUILD, "sounds", "3.wav"))
    check(len(captured) > 0 and expected.startswith(captured) and len(expected) - len(captured) < 4096,
          "the sound device received sounds/3.wav (%d of %d bytes)" % (len(captured), len(expected)))

    # The screenshot after a translation: frame, poster area, colours.
    path = shot("after-translation.png")
    _, children = tree()
    px, py, pw, ph = rect(children[104])
    check((pw, ph) == (243, 336), "the poster takes 243 x 336 pixels")
    lx, ly, lw, lh = rect(children[109])
    check(pixel(path, lx + 2, ly + 2) == PALE_YELLOW, "the top area is pale yellow")
    bx, by, bw, bh = rect(children[102])
    check(pixel(path, bx + bw + 3, by + bh // 2) == PALE_YELLOW, "the form's ground right of the list is pale yellow")
    check(count_colour(path, (lx, ly, lw, lh), (255, 0, 0)) > 20, "the dialect text is drawn in red")
    check(count_colour(path, (px, py, pw, ph), (200, 30, 30)) > 50, "the poster shows its red lettering")

    # Step: the credits open and close.
    xdo("mousemove", *centre(children[102]))
    xdo("click", 1)
    xdo("key", "ctrl+i")
    check(wait_until(lambda: tree()[1][107]["visible"] == "1", 30), "Ctrl+I shows the credits")
    _, children = tree()
    check(children[104]["visible"] == "0" and children[108]["visible"] == "1",
          "the credits replace the poster and show \"Schliessen\"")
    check(children[107]["text"].startswith("Diese Software entstand"), "the credits text begins as it should")
    xdo("mousemove", *centre(children[108]))
    xdo("click", 1)
    check(wait_until(lambda: tree()[1][104]["visible"] == "1", 30), '"Schliessen" brings the poster back')

    # Step: the poster and the sponsor label write internet.url and reach the shell.
    _, children = tree()
    xdo("mousemove", *centre(children[104]))
    xdo("click", 1)
    check(wait_until(lambda: os.path.exists(SHELL_LOG) and "----" in open(SHELL_LOG, encoding="latin-1").read(), 60),
          "a click on the poster reaches the shell")
    url = open(os.path.join(BUILD, "internet.url"), "rb").read()
    check(url.startswith(b"[DEFAULT]\r\nBASEURL=http://") and url.endswith(b"/"),
          "internet.url holds the cabaret's shortcut")
    xdo("mousemove", *centre(children[106]))
    xdo("click", 1)
    check(wait_until(lambda: open(SHELL_LOG, encoding="latin-1").read().count("----") >= 2, 60),
          "a click on the sponsor label reaches the shell")
    url = open(os.path.join(BUILD, "internet.url"), "rb").read()
    check(b"url_count.php?target=knallwerth" in url, "internet.url now holds the counter page")

    # Step: closing the window gives 0.
    xdo("mousemove", *centre(children[102]))
    xdo("click", 1)
    xdo("key", "alt+F4")
    check(finish(program) == 0, "closing the window with Alt+F4 ends with exit code 0")

    # Step: Ctrl+X gives 1.
    program, window = start()
    _, children = tree()
    xdo("mousemove", *centre(children[102]))
    xdo("click", 1)
    xdo("key", "ctrl+x")
    check(finish(program) == 1, "Ctrl+X ends with exit code 1")


if __name__ == "__main__":
    try:
        main()
        unregister_shell_standin()
    except Exception as error:  # a broken step fails the run, not the harness
        failures.append("error: %r" % (error,))
        print("FAILED: error:", error)
    print("%d passed, %d failed" % (passed, len(failures)))
    sys.exit(1 if failures else 0)

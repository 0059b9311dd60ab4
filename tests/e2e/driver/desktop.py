"""The real mouse (xdotool) and screenshots (ImageMagick) on the X display
of a Wine session. Win32 screen coordinates are X root coordinates here:
there is no virtual desktop and no window manager."""

import subprocess
import time

from screen import parse_ppm

SCREEN = (1280, 800)  # the size of the X display the driver starts


def clamp_to_screen(rect):
    left, top, right, bottom = rect
    return max(left, 0), max(top, 0), min(right, SCREEN[0]), min(bottom, SCREEN[1])


class Desktop:
    def __init__(self, env, shots_dir):
        self.env = env
        self.shots_dir = shots_dir
        self.shots_dir.mkdir(parents=True, exist_ok=True)
        self._shot_count = 0

    def _xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=10)

    def move(self, x, y):
        self._xdotool("mousemove", int(x), int(y))

    def down(self):
        self._xdotool("mousedown", 1)

    def up(self):
        self._xdotool("mouseup", 1)

    def click(self, x, y):
        self.move(x, y)
        time.sleep(0.15)  # let the window see the pointer arrive before the press
        self.down()
        time.sleep(0.08)
        self.up()

    def key(self, *keys):
        """Presses and releases keys, one after another ("Return", "ctrl+a")."""
        for key in keys:
            self._xdotool("key", "--clearmodifiers", key)
            time.sleep(0.1)

    def type(self, text):
        """Types text on the keyboard, a character at a time."""
        self._xdotool("type", "--delay", 30, text)

    def glide(self, start, end, steps=10, seconds=0.5):
        """Moves in steps, as a hand would: every window on the way sees the
        pointer pass."""
        (x0, y0), (x1, y1) = start, end
        for i in range(1, steps + 1):
            self.move(x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps)
            time.sleep(seconds / steps)

    def drag(self, start, end, while_held):
        """Presses at `start`, moves to `end`, calls `while_held()` there
        and releases when it returns, also when it raises; answers what it
        returned."""
        self.move(*start)
        time.sleep(0.2)
        self.down()
        try:
            time.sleep(0.3)
            self.glide(start, end)
            return while_held()
        finally:
            self.up()

    def _next_path(self, name):
        self._shot_count += 1
        return self.shots_dir / f"{self._shot_count:02d}-{name}.png"

    def screenshot(self, name, crop=None):
        """A PNG of the whole screen, or of `crop` (left, top, right, bottom),
        numbered in the order taken."""
        path = self._next_path(name)
        command = ["import", "-window", "root"]
        if crop is not None:
            left, top, right, bottom = (max(0, v) for v in crop)
            command += ["-crop", f"{right - left}x{bottom - top}+{left}+{top}", "+repage"]
        subprocess.run([*command, str(path)], env=self.env, check=True, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)
        return path

    def grab(self, name):
        """A screenshot of the whole X display with its pixels: left as a
        numbered PNG like the others, and returned (Screenshot, path)."""
        path = self._next_path(name)
        ppm = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], env=self.env, check=True,
                             stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                             timeout=30).stdout
        shot = parse_ppm(ppm)
        shot.save_png(path)
        return shot, path

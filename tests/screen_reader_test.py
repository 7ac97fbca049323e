#!/usr/bin/python3
# Plays the one-file page as a blind child does with Orca: through AT-SPI,
# each button found by its accessible name and pressed by its action, the sum
# read from the accessible tree. A whole one-player game, then Main menu,
# Leave, "Yes, leave" and "Play again", in each engine of `engines`, each in
# a virtual X display with the accessibility bus of its own D-Bus session.
#
# Debian's pyatspi serves Debian's Python only: run it as /usr/bin/python3.
#
# Usage: /usr/bin/python3 screen_reader_test.py ONE_FILE_PAGE [ENGINE...]
# (firefox, chromium, webkitgtk: all where none is named)
import ctypes
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

page = os.path.abspath(sys.argv[1])
waitS = 20
# A control that has just appeared takes no tap for 0.7 s after a pointer
# changed the screen; Chromium's press is such a pointer: wait as a child does.
settleS = 0.75


def fail(message):
    print(f'FAIL {message}')
    sys.exit(1)


def needed(path, package):
    found = shutil.which(path) if not path.startswith('/') else (path if os.path.exists(path) else None)
    if not found:
        fail(f'{path} is needed (Debian package {package})')
    return found


# A virtual display and a session bus of their own, so that nothing of the
# desktop's accessibility, nor of another run, is pressed by mistake.
if os.environ.get('ORVANELL_SCREEN_READER') != 'inside':
    needed('/usr/libexec/at-spi-bus-launcher', 'at-spi2-core')
    needed('dbus-send', 'dbus-bin')
    session = ['xvfb-run', needed('xvfb-run', 'xvfb'), '-a', '-s', '-screen 0 1280x1024x24',
               needed('dbus-run-session', 'dbus-daemon'), '--', sys.executable, *sys.argv]
    os.environ['ORVANELL_SCREEN_READER'] = 'inside'
    # What the session's services say goes nowhere; the test's own output
    # comes back through descriptors 3 and 4.
    for kept, fd in [(3, 1), (4, 2)]:
        os.dup2(fd, kept, inheritable=True)
        os.dup2(os.open(os.devnull, os.O_WRONLY), fd)
    os.execv(session[1], session[:1] + session[2:])

for kept, fd in [(3, 1), (4, 2)]:
    os.dup2(kept, fd)
    os.close(kept)
# The accessibility bus, started by D-Bus (at-spi-bus-launcher) when asked to
# be on, as a screen reader asks; toolkits look for it at their start.
subprocess.run(['dbus-send', '--session', '--print-reply', '--dest=org.a11y.Bus', '/org/a11y/bus',
                'org.freedesktop.DBus.Properties.Set', 'string:org.a11y.Status', 'string:IsEnabled',
                'variant:boolean:true'], stdout=subprocess.DEVNULL, check=True)
try:
    import pyatspi
    from gi.repository import GLib
except ImportError:
    fail('pyatspi is needed, in /usr/bin/python3 (Debian package python3-pyatspi)')
# The registry, which a browser joins as it starts, is started by the first
# question to it: before any browser, or one that comes first is never seen.
pyatspi.Registry.getDesktop(0).childCount


def miniBrowser():
    found = glob.glob('/usr/lib/*/webkit2gtk-4.*/MiniBrowser')
    if not found:
        fail('WebKitGTK\'s MiniBrowser is needed (Debian package webkit2gtk-driver)')
    return found[0]


# MiniBrowser tells no version: its library does.
def webKitVersion():
    library = ctypes.CDLL(f'lib{os.path.basename(os.path.dirname(miniBrowser()))}.so.0')
    return 'WebKitGTK ' + '.'.join(str(getattr(library, f'webkit_get_{part}_version')())
                                   for part in ('major', 'minor', 'micro'))


def versionOf(command):
    return subprocess.run([command, '--version'], capture_output=True, text=True).stdout.split(' built')[0].strip()


def firefoxProfile(profile):
    with open(os.path.join(profile, 'user.js'), 'w') as prefs:
        for pref in ['"browser.shell.checkDefaultBrowser", false', '"browser.aboutwelcome.enabled", false',
                     '"datareporting.policy.dataSubmissionEnabled", false',
                     '"browser.startup.homepage_override.mstone", "ignore"', '"browser.sessionstore.resume_from_crash", false']:
            prefs.write(f'user_pref({pref});\n')
    return ['--no-remote', '--profile', profile]


firefox = lambda: needed('firefox-esr', 'firefox-esr')
chromium = lambda: os.environ.get('CHROMIUM') or needed('chromium', 'chromium')
# Each engine: what it is called here, its version, its command given a
# fresh profile folder, and what its environment needs to speak AT-SPI. As
# root, in a container, neither Chromium's sandbox nor WebKit's can be made.
engines = [
    ('firefox', lambda: versionOf(firefox()), lambda profile: [firefox(), *firefoxProfile(profile)],
     {'GNOME_ACCESSIBILITY': '1'}),
    ('chromium', lambda: versionOf(chromium()), lambda profile: [
        chromium(), '--force-renderer-accessibility', '--no-sandbox', f'--user-data-dir={profile}', '--no-first-run',
        '--no-default-browser-check', '--disable-gpu'], {}),
    ('webkitgtk', webKitVersion, lambda profile: [miniBrowser()], {'WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS': '1'}),
]


def until(what, found, seen=lambda: ''):
    deadline = time.monotonic() + waitS
    while time.monotonic() < deadline:
        try:
            value = found()
        except GLib.GError:
            value = None  # a node gone while read: the page moved on
        if value:
            return value
        time.sleep(0.1)
    raise TimeoutError(' '.join([what, seen()]).strip())


def descendants(root):
    stack = [root]
    while stack:
        node = stack.pop()
        if node is None:
            continue
        yield node
        stack.extend(reversed([node.getChildAtIndex(i) for i in range(node.childCount)]))


def shown(node):
    states = node.getState()
    return states.contains(pyatspi.STATE_SHOWING) and states.contains(pyatspi.STATE_VISIBLE)


def text(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return ''


def applications():
    desktop = pyatspi.Registry.getDesktop(0)
    return [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]


# The page's document in the browser started, found by the page's title.
def document():
    for app in applications():
        for node in descendants(app):
            if node.getRole() in (pyatspi.ROLE_DOCUMENT_WEB, pyatspi.ROLE_DOCUMENT_FRAME) and \
                    node.name == 'Orvanell':
                return node
    return None


def button(doc, name):
    return next((node for node in descendants(doc) if node.getRole() == pyatspi.ROLE_PUSH_BUTTON
                 and node.name.strip() == name and shown(node)), None)


# Pressed by its action, as a screen reader's Enter or double tap does.
def act(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(next((names.index(n) for n in ('press', 'click', 'activate') if n in names), 0))


def press(doc, name, settle=True):
    found = until(f'a button "{name}"', lambda: button(doc, name))
    if settle:
        time.sleep(settleS)
    act(found)


# Firefox drops a press that comes soon after it starts, however long the
# page has shown. The Keypad button, which no settle holds back, is pressed
# until its state says it was, then pressed back.
def answering(doc):
    toggle = until('a button "Keypad"', lambda: button(doc, 'Keypad'))
    expanded = lambda: toggle.getState().contains(pyatspi.STATE_EXPANDED)
    for want in (not expanded(), expanded()):
        deadline = time.monotonic() + waitS
        while expanded() != want:
            if time.monotonic() > deadline:
                raise TimeoutError('the Keypad button to answer a press')
            act(toggle)
            time.sleep(1)


def line(doc):
    entry = next((node for node in descendants(doc) if node.getRole() == pyatspi.ROLE_ENTRY), None)
    return text(entry) if entry else None


# The first text that reads as `pattern` says, as the name of a node (the
# line is named by its question) or as its text, without the marks that
# stand for the objects inside it or the bidi controls that keep a sum in
# order, which a voice doesn't say; its match.
unsaid = re.compile('[\ufffc\u202a-\u202e\u2066-\u2069]')


def heard(doc, pattern):
    for node in descendants(doc):
        for words in (node.name, text(node)):
            found = re.fullmatch(pattern, ' '.join(unsaid.sub('', words).split()))
            if found:
                return found
    return None


# Each press waits for what it leads to: a button, or a text heard.
def play(doc):
    pressed = []

    def step(name, then, settle=True):
        press(doc, name, settle)
        pressed.append(name)
        found = {str: lambda: button(doc, then), re.Pattern: lambda: heard(doc, then)}.get(type(then), then)
        return until(f'"{getattr(then, "pattern", then)}" after pressing {", ".join(pressed)}', found)

    step('Addition', 'One player')
    first, second = map(int, step('One player', re.compile(r'(\d+) \+ (\d+) =')).groups())
    answer = str(first + second)
    for i, digit in enumerate(answer):
        step(digit, lambda: line(doc) == answer[:i + 1], settle=i == 0)
    step('Enter', re.compile(r'\W*Right!.*'), settle=False)
    for name, then in [('Main menu', 'Addition'), ('Leave', 'Yes, leave'), ('Yes, leave', 'Play again'),
                       ('Play again', 'Addition')]:
        step(name, then)
    return f'{first} + {second} = {answer}'


failures = 0
for name, version, command, environment in engines:
    if sys.argv[2:] and name not in sys.argv[2:]:
        continue
    profile = tempfile.mkdtemp(prefix='orvanell-at-')
    browser = None
    try:
        browser = subprocess.Popen([*command(profile), f'file://{page}'], env={**os.environ, **environment},
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        doc = until(f'the page in {name}\'s accessible tree', document, lambda: 'applications on the bus: ' +
                    ', '.join(f'{app.name} ({app.childCount} windows)' for app in applications()))
        answering(doc)
        played = play(doc)
        print(f'{name}: pressed through AT-SPI a one-player addition ({played}), Main menu, Leave, Yes and '
              f'Play again: {version()}')
    except TimeoutError as error:
        print(f'FAIL {name} ({version()}): waited {waitS} s for {error}')
        failures += 1
    except Exception as error:
        print(f'FAIL {name}: {error!r}')
        failures += 1
    finally:
        if browser:
            os.killpg(browser.pid, 15)
            browser.wait()
        shutil.rmtree(profile, ignore_errors=True)
print(f'screen reader: {failures} failures')
sys.exit(1 if failures else 0)

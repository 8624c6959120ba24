"""Reads the editor's main window and its Global dialog over the AT-SPI bus,
as a screen reader does: every control that takes the focus must have a name,
no two controls of a window may share one, and the grids' names say row and
field."""
import sys
import time

import pyatspi

FAILURES = []


def wait_for(find, what, seconds=30):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    desktop = pyatspi.Registry.getDesktop(0)
    shown = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
    sys.exit("never appeared: %s (on the bus: %s)" % (what, [a.name for a in shown if a is not None]))


def the_editor():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "vektor-editor":
            return app
    return None


def focusable_controls(node, found):
    """The focusable, shown controls under `node`; a combo box's list is
    only read once it is opened, so the walk does not enter combo boxes."""
    states = node.getState()
    if states.contains(pyatspi.STATE_FOCUSABLE) and states.contains(pyatspi.STATE_SHOWING):
        found.append(node)
    if node.getRole() == pyatspi.ROLE_COMBO_BOX:
        return found
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            focusable_controls(child, found)
    return found


def check_window(window, title):
    names = {}
    for control in focusable_controls(window, []):
        name, role = control.name, control.getRoleName()
        if not name.strip():
            FAILURES.append("%s: a %s has no name" % (title, role))
        elif name in names:
            FAILURES.append("%s: two controls are both '%s'" % (title, name))
        names[name] = role
    return names


def press(window, name):
    for control in focusable_controls(window, []):
        if control.name == name and control.getRole() == pyatspi.ROLE_PUSH_BUTTON:
            actions = control.queryAction()
            for i in range(actions.nActions):
                if actions.getName(i) == "Press":
                    actions.doAction(i)
                    return
    sys.exit("no button '%s' to press" % name)


def dialog_of(app):
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window is not None and window.getRole() == pyatspi.ROLE_DIALOG:
            return window
    return None


app = wait_for(the_editor, "the editor on the accessibility bus")
main = wait_for(lambda: app.getChildAtIndex(0) if app.childCount else None, "the main window")
check_window(main, "main window")

press(main, "Global")
dialog = wait_for(lambda: dialog_of(app), "the Global dialog")
names = check_window(dialog, "Global")
for name, role in [("Button 3 Channel", "combo box"), ("Device 5 Name", "text"), ("Device 12 Enabled", "check box")]:
    if names.get(name) != role:
        FAILURES.append("Global: no %s '%s' (found %s)" % (role, name, names.get(name)))
press(dialog, "Cancel")

for failure in FAILURES:
    print(failure)
print("%d controls read in the Global dialog" % len(names))
sys.exit(1 if FAILURES else 0)

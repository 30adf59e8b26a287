#!/usr/bin/python3
# Prints the main menu of the running program with the given process id as a screen reader finds
# it through AT-SPI: "menu<TAB>item name" lines; "showing<TAB>menu" for a menu that is open.
import sys
import pyatspi


def application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def walk(node, found):
    if node is None:
        return
    if node.getRole() == pyatspi.ROLE_MENU_BAR:
        found.append(node)
        return
    for child in node:
        walk(child, found)


def main():
    app = application(int(sys.argv[1]))
    if app is None:
        print("no application with that process id", file=sys.stderr)
        return 1
    bars = []
    walk(app, bars)
    for bar in bars:
        for menu in bar:
            for popup in menu:  # the menu a top item opens
                for entry in popup:
                    if entry.getRole() != pyatspi.ROLE_SEPARATOR:
                        print(f"{menu.name}\t{entry.name}")
                if popup.getState().contains(pyatspi.STATE_SHOWING):
                    print(f"showing\t{menu.name}")
    return 0


sys.exit(main())

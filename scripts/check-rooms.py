#!/usr/bin/env python3
"""Checks the rooms of zelmview: every include names its folder, a room includes only headers of
the rooms it may use, the Qt Core rooms include no widget header, and no header includes itself
through others. Prints each fault and exits 1 when there is one.

Usage: check-rooms.py ZELMVIEW_FOLDER
"""
import os
import re
import sys

# The rooms each room may use: only rooms above it, never a sibling or one below.
LOWER = ["docview", "data", "table", "chart", "run"]
MAY_USE = {
    "docview": set(),
    "data": {"docview"},
    "table": {"docview"},
    "chart": {"docview", "data"},
    "run": {"docview"},
    "transient": set(LOWER),
    "output": set(LOWER),
    "risk": set(LOWER),
    "app": set(LOWER) | {"transient", "output", "risk"},
}
# Files built without Qt Widgets: the data room and the document layer's core half.
CORE_DOCVIEW = {
    "AtomicSave.h", "AtomicSave.cpp", "CommandIds.h", "ControlId.h", "ControlId.cpp", "DocTemplate.h",
    "DocTemplate.cpp", "Document.h", "Document.cpp", "DocumentView.h", "MessageSink.h", "MessageSink.cpp",
    "ProfileStore.h", "ProfileStore.cpp", "RecentFileList.h", "RecentFileList.cpp", "ResourceIds.h",
    "SaveQuestion.h", "SaveQuestion.cpp", "UpdateHint.h",
}
WIDGET_MODULES = re.compile(r"^Q(Widgets|PrintSupport|Svg|CustomPlot|qcustomplot)|^qcustomplot")
LOCAL_INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
SYSTEM_INCLUDE = re.compile(r"^\s*#\s*include\s+<([^>]+)>", re.M)
# Qt Widgets classes a Core file must not name; the module prefix catches the rest.
WIDGET_CLASSES = re.compile(
    r"^Q(Widget|Dialog|MessageBox|Application|Action|Menu|MainWindow|Label|PushButton|LineEdit|"
    r"Painter|Printer|FileDialog|AbstractButton|Layout|.*Layout|ScrollBar|Style)$"
)


def sources(root):
    for folder, folders, names in os.walk(root):
        folders.sort()
        for name in sorted(names):
            if name.endswith((".h", ".cpp")):
                yield os.path.relpath(os.path.join(folder, name), root).replace(os.sep, "/")


def is_core(path):
    room, name = path.split("/", 1)
    return room == "data" or (room == "docview" and name in CORE_DOCVIEW)


def check(root):
    faults = []
    files = list(sources(root))
    known = set(files)
    includes = {}
    for path in files:
        with open(os.path.join(root, path), encoding="utf-8") as source:
            text = source.read()
        room = path.split("/", 1)[0]
        local = [name for name in LOCAL_INCLUDE.findall(text) if not name.endswith(".moc")]
        includes[path] = [name for name in local if name in known]
        for name in local:
            if "/" not in name:
                faults.append(f"{path}: include \"{name}\" does not name its folder")
                continue
            target = name.split("/", 1)[0]
            if name not in known:
                continue
            if target != room and target not in MAY_USE.get(room, set()):
                faults.append(f"{path}: room {room} may not include {name}")
            if is_core(path) and not is_core(name):
                faults.append(f"{path}: a Qt Core file includes the widget header {name}")
        if is_core(path):
            for name in SYSTEM_INCLUDE.findall(text):
                base = name.split("/")[-1]
                if WIDGET_MODULES.match(name) or WIDGET_CLASSES.match(base):
                    faults.append(f"{path}: a Qt Core file includes <{name}>")
    faults += include_circles(includes)
    return faults


def include_circles(includes):
    faults = []
    state = {}  # 1 while on the path, 2 when done

    def visit(path, trail):
        state[path] = 1
        for name in includes.get(path, []):
            if state.get(name) == 1:
                circle = trail[trail.index(name):] + [name]
                faults.append("include circle: " + " -> ".join(circle))
            elif name not in state:
                visit(name, trail + [name])
        state[path] = 2

    for path in includes:
        if path not in state:
            visit(path, [path])
    return faults


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip())
        return 2
    faults = check(sys.argv[1])
    for fault in faults:
        print(fault)
    print(f"{len(faults)} faults in the rooms of {sys.argv[1]}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())

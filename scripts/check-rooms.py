#!/usr/bin/env python3
"""Checks the rooms of zelmview against the build's own description of them: every include names
its folder, a room includes only headers of its own and of the rooms it uses (those its USES list
names, and what they use in turn, as the build links them), a room uses only rooms built before
it, the Qt Core rooms include no widget header, and no header includes itself through others. Prints each fault and exits 1 when there is one.

The rooms come from ZELMVIEW_FOLDER/CMakeLists.txt: its add_subdirectory calls give the folders
from the bottom up, and each folder's add_zelmview_room calls give the rooms, their SOURCES and
their USES. A room is Qt Core only when it uses nothing but Qt6::Core and other Qt Core rooms. A
file that no SOURCES list names belongs to the room named after its folder.

Usage: check-rooms.py ZELMVIEW_FOLDER
"""
import os
import re
import sys

ROOM_PREFIX = "zelmview_"
# The models' libraries use the C++ standard library alone.
CORE_LIBRARIES = {"Qt6::Core", "trafor", "uncertainty_model"}
WIDGET_MODULES = re.compile(r"^Q(Widgets|PrintSupport|Svg|CustomPlot|qcustomplot)|^qcustomplot")
LOCAL_INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
SYSTEM_INCLUDE = re.compile(r"^\s*#\s*include\s+<([^>]+)>", re.M)
# Qt Widgets classes a Core file must not name; the module prefix catches the rest.
WIDGET_CLASSES = re.compile(
    r"^Q(Widget|Dialog|MessageBox|Application|Action|Menu|MainWindow|Label|PushButton|LineEdit|"
    r"Painter|Printer|FileDialog|AbstractButton|Layout|.*Layout|ScrollBar|Style)$"
)
CMAKE_COMMAND = re.compile(r"\b(\w+)\s*\(([^()]*)\)")
CMAKE_VARIABLE = re.compile(r"\$\{(\w+)\}")
KEYWORDS = {"SOURCES", "USES"}


class Room:
    def __init__(self, name, folder, sources, uses):
        self.name = name
        self.folder = folder
        self.sources = sources
        self.uses = uses
        self.core = False
        # The rooms it may include from: itself and every room it uses, directly or through others.
        self.reach = {name}


def cmake_commands(path):
    """The commands of a CMake list as (name, arguments), with set() variables expanded."""
    with open(path, encoding="utf-8") as listing:
        text = re.sub(r"#[^\n]*", "", listing.read())
    variables = {}
    for name, arguments in CMAKE_COMMAND.findall(text):
        words = [CMAKE_VARIABLE.sub(lambda m: variables.get(m.group(1), ""), word) for word in arguments.split()]
        words = " ".join(words).split()
        if name == "set" and words:
            variables[words[0]] = " ".join(words[1:])
        yield name, words


def read_rooms(root):
    """The rooms from the bottom up, as the build declares them."""
    rooms = []
    for name, words in cmake_commands(os.path.join(root, "CMakeLists.txt")):
        if name != "add_subdirectory" or not words:
            continue
        folder = words[0]
        listing = os.path.join(root, folder, "CMakeLists.txt")
        if not os.path.exists(listing):
            continue
        for command, arguments in cmake_commands(listing):
            if command == "add_zelmview_room" and arguments:
                rooms.append(room_of(arguments, folder))
    return rooms


def room_of(arguments, folder):
    lists = {keyword: [] for keyword in KEYWORDS}
    current = None
    for word in arguments[1:]:
        if word in KEYWORDS:
            current = word
        elif current is not None:
            lists[current].append(word)
    sources = {os.path.normpath(os.path.join(folder, source)).replace(os.sep, "/") for source in lists["SOURCES"]}
    return Room(arguments[0], folder, sources, lists["USES"])


def resolve_uses(rooms):
    """Follows the USES of each room to what it may include from and whether it is Qt Core only.
    Returns the faults: a room that uses one built after it (or itself, or none at all)."""
    faults = []
    built = {}
    for room in rooms:
        for library in room.uses:
            if not library.startswith(ROOM_PREFIX):
                continue
            used = library[len(ROOM_PREFIX):]
            if used not in built:
                faults.append(f"{room.folder}/CMakeLists.txt: room {room.name} uses {used}, which is not built before it")
            else:
                room.reach |= built[used].reach
        room.core = all(library in CORE_LIBRARIES or is_core_room(built, library) for library in room.uses)
        built[room.name] = room
    return faults


def is_core_room(built, library):
    used = built.get(library[len(ROOM_PREFIX):]) if library.startswith(ROOM_PREFIX) else None
    return used is not None and used.core


def sources(root):
    for folder, folders, names in os.walk(root):
        folders.sort()
        for name in sorted(names):
            if name.endswith((".h", ".cpp")):
                yield os.path.relpath(os.path.join(folder, name), root).replace(os.sep, "/")


def room_finder(rooms):
    by_file = {}
    by_name = {}
    for room in rooms:
        by_name[room.name] = room
        for source in room.sources:
            by_file[source] = room

    def room_of_file(path):
        return by_file.get(path) or by_name.get(path.split("/", 1)[0])

    return room_of_file


def check(root):
    rooms = read_rooms(root)
    faults = resolve_uses(rooms)
    room_of_file = room_finder(rooms)
    files = list(sources(root))
    known = set(files)
    includes = {}
    for path in files:
        with open(os.path.join(root, path), encoding="utf-8") as source:
            text = source.read()
        room = room_of_file(path)
        if room is None:
            faults.append(f"{path}: belongs to no room of the build")
        core = room is not None and room.core
        local = [name for name in LOCAL_INCLUDE.findall(text) if not name.endswith(".moc")]
        includes[path] = [name for name in local if name in known]
        for name in local:
            if "/" not in name:
                faults.append(f"{path}: include \"{name}\" does not name its folder")
                continue
            if name not in known:
                continue
            target = room_of_file(name)
            if room is not None and target is not None and target.name not in room.reach:
                faults.append(f"{path}: room {room.name} may not include {name}")
            if core and not (target is not None and target.core):
                faults.append(f"{path}: a Qt Core file includes the widget header {name}")
        if core:
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

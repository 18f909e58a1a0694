#!/usr/bin/env python3
"""imports_test.py TABLE PROGRAM...

Checks that each Windows program runs on Windows XP SP3 (a 64-bit one: XP x64 / Server 2003):
every function it imports is a row of TABLE whose oldest Windows is XP SP3 or older, and its PE
header asks for that Windows (OS and subsystem version 5.1, or 5.2 for a 64-bit program). Reads
the PE file itself: the headers, the sections and the import directory.
"""
import struct
import sys

# Oldest Windows, as TABLE names them, from old to new.
WINDOWS = ["2000", "XP", "XPSP1", "XPSP2", "XPSP3", "Vista", "7", "8", "8.1", "10"]
NEWEST_ALLOWED = WINDOWS.index("XPSP3")
IMPORT_DIRECTORY, DELAY_IMPORT_DIRECTORY = 1, 13


def read_table(path):
    """{(dll, function): oldest Windows} from TABLE: "dll function windows", '#' starts a comment."""
    table, problems = {}, []
    with open(path, encoding="ascii") as lines:
        for number, line in enumerate(lines, 1):
            fields = line.split("#", 1)[0].split()
            if not fields:
                continue
            if len(fields) != 3 or fields[2] not in WINDOWS:
                problems.append(f"{path}:{number}: not \"dll function windows\" ({' '.join(WINDOWS)})")
                continue
            key = (fields[0].lower(), fields[1])
            if key in table:
                problems.append(f"{path}:{number}: {fields[1]} of {fields[0]} listed twice")
            table[key] = fields[2]
    return table, problems


class PeFile:
    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        pe = self.u32(0x3C)
        if self.data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        sections, optional_size = struct.unpack_from("<H12xH", self.data, pe + 6)
        self.optional = pe + 24
        magic = self.u16(self.optional)
        if magic not in (0x10B, 0x20B):
            raise ValueError(f"unknown optional header 0x{magic:x}")
        self.wide = magic == 0x20B  # PE32+: a 64-bit program
        self.directories = self.optional + (112 if self.wide else 96)
        table = self.optional + optional_size
        self.sections = [struct.unpack_from("<8xIIII", self.data, table + 40 * i) for i in range(sections)]

    def u16(self, offset):
        return struct.unpack_from("<H", self.data, offset)[0]

    def u32(self, offset):
        return struct.unpack_from("<I", self.data, offset)[0]

    def versions(self):
        """(OS major, OS minor, subsystem major, subsystem minor)."""
        os_version = struct.unpack_from("<HH", self.data, self.optional + 40)
        subsystem = struct.unpack_from("<HH", self.data, self.optional + 48)
        return os_version + subsystem

    def directory(self, index):
        return struct.unpack_from("<II", self.data, self.directories + 8 * index)

    def offset(self, rva):
        for virtual_size, address, raw_size, raw in self.sections:
            if address <= rva < address + max(virtual_size, raw_size):
                return raw + rva - address
        raise ValueError(f"address 0x{rva:x} in no section")

    def text(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def imports(self):
        """[(dll, function)]; an import by ordinal as "#<ordinal>"."""
        rva, size = self.directory(IMPORT_DIRECTORY)
        found, descriptor = [], self.offset(rva) if size else None
        thunk_size, ordinal_flag = (8, 1 << 63) if self.wide else (4, 1 << 31)
        while descriptor is not None:
            lookup, name, first = struct.unpack_from("<I8xII", self.data, descriptor)
            if name == 0:
                break
            dll = self.text(name)
            thunk = self.offset(lookup or first)
            while True:
                value = struct.unpack_from("<Q" if self.wide else "<I", self.data, thunk)[0]
                if value == 0:
                    break
                found.append((dll, f"#{value & 0xFFFF}" if value & ordinal_flag else self.text(value + 2)))
                thunk += thunk_size
            descriptor += 20
        return found


def check(program, table):
    failures = []
    pe = PeFile(program)
    minor = 2 if pe.wide else 1
    expected = (5, minor, 5, minor)
    if pe.versions() != expected:
        failures.append("OS and subsystem version %d.%d and %d.%d, not %d.%d" % (pe.versions() + (5, minor)))
    if pe.directory(DELAY_IMPORT_DIRECTORY)[1]:
        failures.append("delay-loaded imports, which this check does not read")
    imports = pe.imports()
    for dll, function in imports:
        oldest = table.get((dll.lower(), function))
        if oldest is None:
            failures.append(f"{function} of {dll}: not in the table")
        elif WINDOWS.index(oldest) > NEWEST_ALLOWED:
            failures.append(f"{function} of {dll}: Windows {oldest}, newer than XP SP3")
    return failures, len(imports)


def main():
    if len(sys.argv) < 3:
        print(__doc__.strip().splitlines()[0], file=sys.stderr)
        return 2
    table, problems = read_table(sys.argv[1])
    for problem in problems:
        print(problem)
    for program in sys.argv[2:]:
        try:
            failures, count = check(program, table)
        except (OSError, ValueError, struct.error) as error:
            failures, count = [f"cannot be read: {error}"], 0
        name = program.replace("\\", "/").rsplit("/", 1)[-1]
        for failure in failures:
            print(f"{name}: {failure}")
        if not failures:
            print(f"{name}: {count} imported functions, all in Windows XP SP3; PE header as asked")
        problems += failures
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())

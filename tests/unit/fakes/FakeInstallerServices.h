#pragma once
// Every platform service the installer's window uses, as fakes owned together.
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeIniFilez.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeWindowSystem.h"
#include "installer/ui/Installer.h"

namespace qlr::test {

struct FakeInstallerServices {
    FakeWindowSystem windows;
    FakeFileSystem files;
    FakeRegistry registry;
    FakeClock clock;
    FakeIniFilez ini;
    FakeShell shell{files};

    InstallerServices Services() { return {windows, files, registry, clock, ini, shell}; }
};

}  // namespace qlr::test

# The layers of the source tree, declared once. The libraries' sources and link dependencies
# (qvr_layer_library), scripts/check-includes.sh and docs/ARCHITECTURE.md's dependency picture all follow
# this file; the check reads it without a build.
#
# qvr_layer(<folder below src/> [LIBRARY <target>] [USES <folder>...] [LINKS <external target>...]
#           [PARTS <sub-folder>...])
#   A file belongs to the folder that holds it, or to the layer that names that folder among its PARTS;
#   a folder declared neither way is refused, so that a new sub-folder never joins a layer unnoticed. It
#   may include its own layer's headers and those of the folders named in USES, nothing else of src/ (USES
#   is not transitive: a folder names every folder it includes). A library is made of the folders that name
#   it (with their sub-folders) and links the libraries of the folders they use, PUBLIC.
# qvr_test_folder(<folder below tests/> [LINKS <target>...] [USES <folder>...])
#   The libraries a test folder's files are built with, where that is not the library of the src/ folder it
#   mirrors (a test folder that is neither declared nor mirrors one of src/ is refused). A test may include
#   the folders of those libraries' whole link closure (and those in USES).

# The platform: what lies below the system. None of it includes the system.
qvr_layer(platform           LIBRARY qvr_platform_base LINKS Threads::Threads SQLite::SQLite3)
qvr_layer(platform/runtime   LIBRARY qvr_platform_base USES platform)
qvr_layer(platform/eventloop LIBRARY qvr_platform_base)
qvr_layer(platform/sqlite    LIBRARY qvr_platform_base)
qvr_layer(platform/registry  LIBRARY qvr_registry USES platform platform/sqlite)
qvr_layer(platform/ui        LIBRARY qvr_ui USES platform platform/runtime platform/eventloop)
# The headless back end, and above it the scripted runs that drive it: one way, one library.
qvr_layer(platform/ui/headless LIBRARY qvr_ui USES platform platform/runtime platform/eventloop platform/ui)
qvr_layer(platform/ui/script LIBRARY qvr_ui USES platform platform/eventloop platform/ui platform/ui/headless)
qvr_layer(platform/lns       LIBRARY qvr_lns
          USES platform platform/eventloop platform/sqlite platform/registry
          PARTS resources sim storage types)
qvr_layer(platform/com       LIBRARY qvr_com USES platform platform/registry)
qvr_layer(platform/ui/qt     LIBRARY qvr_ui_qt
          USES platform platform/runtime platform/eventloop platform/ui platform/ui/headless
          LINKS Qt6::Widgets Qt6::PrintSupport ${QVR_XCB_LIBRARY})

# The pure formats of the system's files and names: no state, no window, no device.
qvr_layer(formats     LIBRARY qvr_formats USES platform platform/runtime)

# The system, one way from bottom to top: the plug-in's identity and the texts; the data-point tables;
# the program-wide state (Program) that every subsystem reads; the framework's services (registry wrapper,
# resource catalogue, host errors); the device model; the main window and its windows; the plug-in object,
# start-up and registration (framework) on top. Each folder is a library of its own, linked to the libraries
# of the folders it uses and to nothing above it, so that a call against the order fails to link.
qvr_layer(identity    LIBRARY qvr_identity USES platform/runtime)
qvr_layer(texts       LIBRARY qvr_texts)
qvr_layer(datapoints  LIBRARY qvr_datapoints USES platform platform/runtime identity texts)
qvr_layer(program     LIBRARY qvr_program
          USES platform/runtime platform/ui platform/lns platform/registry texts datapoints)
qvr_layer(services    LIBRARY qvr_services
          USES platform platform/runtime platform/lns platform/registry texts identity program)
qvr_layer(devicemodel LIBRARY qvr_devicemodel
          USES platform/runtime platform/ui platform/lns platform/registry texts datapoints program services)
qvr_layer(mainwindow  LIBRARY qvr_mainwindow
          USES platform platform/runtime platform/ui platform/lns platform/registry texts formats identity
               datapoints program services devicemodel
          PARTS apply design device editors files monitoring)
qvr_layer(framework   LIBRARY qvr_framework
          USES platform platform/runtime platform/ui platform/lns platform/registry platform/com texts formats
               identity datapoints program services devicemodel mainwindow)

# Above the system: the lns tool, the COM substitute's D-Bus side and the programs' main().
qvr_layer(tools/lns   LIBRARY qvr_lnstool
          USES platform platform/eventloop platform/ui platform/ui/headless platform/ui/script platform/lns
               platform/registry platform/com identity framework mainwindow program)
qvr_layer(server/dbus LIBRARY qvr_com_dbus
          USES platform platform/ui platform/com tools/lns identity framework mainwindow program LINKS Qt6::DBus)
qvr_layer(app USES platform platform/ui platform/ui/headless platform/ui/script platform/ui/qt tools/lns server/dbus
                   identity framework program)

qvr_test_folder(support LINKS qvr_platform_base)
qvr_test_folder(systemsupport LINKS qvr_framework)
qvr_test_folder(e2e LINKS qvr_platform_base qvr_framework qvr_system_test_support)
# The plug-in program on D-Bus (src/server/dbus), driven from outside, and the director a test kills.
qvr_test_folder(e2e/dbus LINKS qvr_platform_base qvr_com_dbus)
qvr_test_folder(e2e/dbus/holder)
qvr_test_folder(platform/com LINKS qvr_framework)
# The system's tests are one program, built with the whole system: these drive a folder through the windows
# or the plug-in object above it.
qvr_test_folder(datapoints LINKS qvr_framework)
qvr_test_folder(devicemodel LINKS qvr_framework)
qvr_test_folder(mainwindow/device LINKS qvr_framework)
qvr_test_folder(platform/ui/qt LINKS qvr_ui_qt qvr_lnstool)
# The windows under a window manager: the back end's own, and the program's start.
qvr_test_folder(platform/ui/qt/wm LINKS qvr_ui_qt qvr_framework)
# The fuzz targets link the platform's layers and the formats, built with the fuzzer's instrumentation.
qvr_test_folder(fuzz LINKS qvr_lns qvr_formats qvr_ui)

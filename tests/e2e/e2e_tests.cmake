# End-to-end tests: Lumivex, the fixture and the probe of the win64 build
# (LUMIVEX_WIN64_DIR) run under Wine on a virtual display, driven by
# tests/e2e/driver/run_e2e.py with the real mouse. Screenshots and logs are
# left in ${CMAKE_BINARY_DIR}/e2e/<case>/.
#
# All cases share one Wine prefix, made once by e2e.prefix, and one display;
# a prefix serves one desktop at a time, so the cases hold a common lock and
# run one after another (unit tests still run beside them).
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# Two runs on one machine need two displays: pick another with
# -DLUMIVEX_E2E_DISPLAY=N.
set(LUMIVEX_E2E_DISPLAY 40 CACHE STRING "X display number of the end-to-end tests")
set(E2E_DRIVER ${CMAKE_SOURCE_DIR}/tests/e2e/driver/run_e2e.py)
set(E2E_COMMAND ${Python3_EXECUTABLE} ${E2E_DRIVER} --bin ${LUMIVEX_WIN64_DIR} --out ${CMAKE_BINARY_DIR}/e2e
                --display ${LUMIVEX_E2E_DISPLAY})
# ctest's limit is above the driver's own (400 s), so that a case that runs
# too long still ends Wine and Xvfb itself. Both are deadlines for a case that
# hangs: on a loaded machine a case takes up to two minutes.
set(E2E_TIMEOUT 450)

add_test(NAME e2e.prefix COMMAND ${E2E_COMMAND} prefix)
set_tests_properties(e2e.prefix PROPERTIES FIXTURES_SETUP e2e_prefix RESOURCE_LOCK e2e_wine TIMEOUT ${E2E_TIMEOUT})

# A prefix whose system DPI is 144 (LogPixels), for the cases that ask for it.
add_test(NAME e2e.prefix_dpi144 COMMAND ${E2E_COMMAND} prefix_dpi144)
set_tests_properties(e2e.prefix_dpi144 PROPERTIES FIXTURES_SETUP e2e_prefix_dpi144 RESOURCE_LOCK e2e_wine
                                                  TIMEOUT ${E2E_TIMEOUT})

# A prefix where Wine hands no window of Lumivex's to a window manager, for
# the cases that time Lumivex's answers: Xvfb runs none, and Wine waits two
# seconds for one whenever it hides a managed window.
add_test(NAME e2e.prefix_unmanaged COMMAND ${E2E_COMMAND} prefix_unmanaged)
set_tests_properties(e2e.prefix_unmanaged PROPERTIES FIXTURES_SETUP e2e_prefix_unmanaged RESOURCE_LOCK e2e_wine
                                                     TIMEOUT ${E2E_TIMEOUT})

# fixture: the prefix the case runs in (e2e_prefix, made by e2e.prefix, by default).
function(lumivex_e2e_case name)
  set(fixture e2e_prefix)
  if(ARGC GREATER 1)
    set(fixture ${ARGV1})
  endif()
  add_test(NAME e2e.${name} COMMAND ${E2E_COMMAND} ${name})
  set_tests_properties(e2e.${name} PROPERTIES FIXTURES_REQUIRED ${fixture} RESOURCE_LOCK e2e_wine
                                              TIMEOUT ${E2E_TIMEOUT})
endfunction()

# Start-up, tabs and the always-on-top switch.
lumivex_e2e_case(main_window)
# The finder onto a button, a disabled button inside a group box, the main
# window and an owned pop-up; numbers in hexadecimal.
lumivex_e2e_case(pick_hex)
# "16进制" unticked with the mouse: earlier fields stay, new ones are decimal.
lumivex_e2e_case(pick_decimal)
# A window whose thread does not respond: reduced fill, Lumivex stays responsive.
lumivex_e2e_case(pick_hung)
# The style, class and state tabs of a read-only edit; the tools tab of an
# edit of another process holding a megabyte, and of one of Lumivex's own
# buttons (its whole font summary).
lumivex_e2e_case(style_class_tools)
# The state list's ticks hide, show, maximise, minimise and restore a window.
lumivex_e2e_case(state_actions)
# Quick toggles of a busy window land in the order they were clicked.
lumivex_e2e_case(slow_target_in_order)
# The parent and first-child links, in hexadecimal and in decimal.
lumivex_e2e_case(related_links)
# The picture of a window saved as a bitmap; the overwrite question; a
# window reaching past the screen.
lumivex_e2e_case(picture_save)
# Saving under a Korean name on a Chinese system; the question for a hidden
# file; a save into a read-only file reported in a box owned by Lumivex.
lumivex_e2e_case(picture_save_unicode)
# The finder's outline on the X display: the inverted frame GDI would draw,
# seen during a drag and during a flash run ("矩形闪烁"), gone after each;
# the outline's pixels against GDI's.
lumivex_e2e_case(outline_on_screen)
# The tools tab's operations panel: key filters, refresh with another handle
# typed, styles, size, text, system Close, ending a second fixture process,
# and a hung target that no button waits for.
lumivex_e2e_case(ops_panel)
# The child-window list hands a row to the main window; the window tree
# from a child, "父层", Enter in the handle box and "确定"; the about box.
lumivex_e2e_case(tree_forms)
# The readers through "读取数据" into the real Notepad: a Notepad of the
# user's left alone, an empty list box opening nothing, a list box of Chinese
# items, a combo box, a list view with a blank cell and a tree view with a
# collapsed root, all into one Notepad placed and titled as it must be.
lumivex_e2e_case(read_lists)
# A multi-line window text, the font report and the system menu of
# Lumivex's own windows, the delayed read of a list box, and a list box that
# does not respond: nothing sent, Lumivex still answering.
lumivex_e2e_case(read_texts_delayed_hung)
# The window tree's "循环超时" message on a list view whose header GetParent
# no longer reports: its text, centred over the tree window, and the tree
# left with the list view alone.
lumivex_e2e_case(tree_unplaced_message)
# The tree of a window whose child's thread stopped answering a moment ago
# opens without waiting for that thread.
lumivex_e2e_case(tree_stalled_child)
# The reader choice's tip on the choice and on "读取数据", after each choice.
lumivex_e2e_case(reader_tips)
# A Notepad the user typed into is left alone (a second one gets the text);
# a notepad.exe planted where a picture was saved is never run.
lumivex_e2e_case(notepad_guarded)
# Texts outside the ANSI code page (Korean, "✓", an emoji) of another
# process's window: its title and class, its node in the window tree, a
# child's row, and its list box, list view and tree view read into Notepad.
lumivex_e2e_case(unicode_texts)
# The 64-bit build's read-only mode (the twin the 32-bit program hands
# reads to): its standard output into a pipe of the driver's holds the texts
# of the fixture's tree view and list view, it opens no window; and the
# hand-over itself, through a real pipe, gives the same texts.
lumivex_e2e_case(twin_read)
# At a system DPI of 144: every window opened, every control inside its
# parent's client area, each client area 1.5 × its 96-DPI size.
lumivex_e2e_case(dpi_layout e2e_prefix_dpi144)
# A long read of a list box of many items: the progress window with its bar,
# "已读 N / M 项" and "取消", the read button disabled meanwhile, every ping of
# the main window answered within a second, every item in Notepad in order;
# a read cancelled half-way gives the items read and the line saying so.
lumivex_e2e_case(long_read e2e_prefix_unmanaged)
# The platform contract suite on the real platform (tests/contract): the
# cases the unit tests run on the simulated desktop, under Wine against
# windows of a fixture process.
lumivex_e2e_case(platform_contract)

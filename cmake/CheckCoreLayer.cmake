# Fails the build when a core source reaches for the GUI: core holds data and rules only,
# so it stays testable without a window and usable by every front end.
file(GLOB_RECURSE sources "${CORE_DIR}/*.h" "${CORE_DIR}/*.cpp")
foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
        if(line MATCHES "Qt(Gui|Widgets|PrintSupport|Multimedia)|<Q(Widget|Application|GuiApplication|Painter|Pixmap|Image|Color|Font|MessageBox|Dialog|Label|PushButton)[>.]")
            message(FATAL_ERROR "${source}: core must not include GUI headers: ${line}")
        endif()
        # Dependencies point downwards: core includes nothing of the layers above it.
        if(line MATCHES "\"(media|ui|student|designer|admin|app)/")
            message(FATAL_ERROR "${source}: core must not include a header of a layer above it: ${line}")
        endif()
    endforeach()
endforeach()
file(WRITE "${STAMP}" "checked\n")

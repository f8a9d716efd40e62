# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
# The window works around a few faults and gaps of Qt. Each place is marked "Qt workaround"
# and names the Qt releases it was checked on, which are these, oldest first: Debian 12's
# and Debian 13's. A newer Qt may have fixed a fault, or changed what a workaround relies
# on, so configuring with one names the places to look at again; once they are, its
# version joins the list here and in their comments.
set(DRELK_QT_CHECKED_VERSIONS 6.4.2 6.8.2)

list(GET DRELK_QT_CHECKED_VERSIONS -1 newest_checked)
if(Qt6_VERSION VERSION_GREATER newest_checked)
  file(GLOB_RECURSE sources ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*.h)
  set(marked)
  foreach(source IN LISTS sources)
    file(STRINGS ${source} marks REGEX "Qt workaround")
    if(marks)
      file(RELATIVE_PATH name ${PROJECT_SOURCE_DIR} ${source})
      list(APPEND marked ${name})
    endif()
  endforeach()
  list(JOIN marked ", " marked)
  message(WARNING "Qt ${Qt6_VERSION} is newer than the newest Qt that Drelk's Qt workarounds "
                  "were checked on, ${newest_checked}. Recheck the places marked "
                  "\"Qt workaround\" in ${marked}; then add ${Qt6_VERSION} to "
                  "DRELK_QT_CHECKED_VERSIONS in window/qt_workarounds.cmake.")
endif()

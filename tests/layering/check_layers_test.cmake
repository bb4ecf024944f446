# The layering check on small planted trees: each case writes one file into a fresh tree with the real
# layers.cmake, runs the check, and compares its exit status and report.
#   cmake -DCHECK=<check_layers.cmake> -DLAYERS=<src/layers.cmake> -DWORK=<scratch folder> -P check_layers_test.cmake
cmake_minimum_required(VERSION 3.22)

set(failures 0)

# expect(NAME FILE INCLUDE PASSES REPORT): FILE (relative to the tree) holds the one line INCLUDE; the check
# must pass when PASSES is 1, otherwise fail with a report line that contains REPORT.
function(expect name file include passes report)
  set(tree "${WORK}/${name}")
  file(REMOVE_RECURSE "${tree}")
  file(COPY "${LAYERS}" DESTINATION "${tree}")
  file(WRITE "${tree}/${file}" "// planted\n${include}\nint planted();\n")
  execute_process(COMMAND "${CMAKE_COMMAND}" "-DSOURCE_DIR=${tree}" -P "${CHECK}"
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  set(ok TRUE)
  if(passes AND NOT status EQUAL 0)
    set(ok FALSE)
  elseif(NOT passes)
    string(FIND "${out}" "${report}" at)
    if(status EQUAL 0 OR at EQUAL -1)
      set(ok FALSE)
    endif()
  endif()
  if(NOT ok)
    message(NOTICE "FAILED ${name}: status ${status}, report:\n${out}")
    math(EXPR n "${failures} + 1")
    set(failures ${n} PARENT_SCOPE)
  endif()
endfunction()

expect(RulesIncludesApp rules/planted.cpp [[#include "app/frame_win.h"]] 0
       [[rules/planted.cpp: #include "app/frame_win.h": rules may include only itself and what it uses (model)]])
expect(SgfIncludesEdit sgf/planted.h [[#  include "edit/navigation.h"]] 0 [[sgf may include only]])
expect(LayoutIncludesView layout/planted.cpp [[#include "view/board_widget.h"]] 0 [[layout may include only]])
expect(CollectionIncludesUnusedRules collection/planted.cpp [[#include "rules/go_rules.h"]] 0
       [[collection may include only itself and what it uses (model)]])
expect(ExportIncludesPeerEdit export/planted.cpp [[#include "edit/navigation.h"]] 0 [[export may include only]])
expect(CliCommandIncludesView cli/planted.cpp [[#include "view/board_images.h"]] 0 [[cli may include only]])
expect(ModelIncludesQt model/planted.h [[#include <QString>]] 0
       [[model/planted.h: #include <QString> is a Qt header outside the Qt layer]])
expect(AppIncludesQtModule app/planted.cpp [[#include <QtCore/QObject>]] 0 [[Qt header outside the Qt layer]])
expect(UnknownFolder tools/planted.cpp [[#include "model/game_kind.h"]] 0 [[tools is not a layer]])
expect(ViewIncludesQtAndApp view/planted.cpp "#include <QWidget>\n#include \"app/frame_win.h\"" 1 "")
expect(CliMainIncludesQtAndView cli/main.cpp "#include <QGuiApplication>\n#include \"view/board_images.h\"" 1 "")
expect(AppIncludesEverythingBelow app/planted.cpp
       "#include \"model/a.h\"\n#include \"sgf/b.h\"\n#include \"collection/c.h\"\n#include \"export/d.h\"" 1 "")
expect(SameFolderAndSystemHeaders rules/planted.cpp "#include \"planted.h\"\n#include <vector>" 1 "")

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} layering case(s) failed")
endif()

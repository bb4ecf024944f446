# The layers of the program, bottom up, and the layers each one uses directly. A layer's library links the
# layers it uses, and its files may include headers of those layers and of every layer they use in turn
# (tests/layering/check_layers.cmake enforces this, and that only the Qt layer includes Qt).
set(meridax_layers model rules sgf edit collection export engine search app layout view cli)

set(meridax_layer_uses_model "")
set(meridax_layer_uses_rules model)
set(meridax_layer_uses_sgf rules)
set(meridax_layer_uses_edit sgf)
set(meridax_layer_uses_collection model)
set(meridax_layer_uses_export sgf)
# A Go engine beside the board, spoken to through GTP.
set(meridax_layer_uses_engine rules)
# Finding positions and patterns across games reads them and replays them by the rules.
set(meridax_layer_uses_search sgf)
set(meridax_layer_uses_app edit collection export engine search)
set(meridax_layer_uses_layout app)
set(meridax_layer_uses_view layout)
set(meridax_layer_uses_cli app)
# The command-line program itself draws board pictures through the Qt layer; its commands do not.
set(meridax_layer_uses_cli/main.cpp cli view)

# The folders or files that may include Qt headers.
set(meridax_qt_users view cli/main.cpp)

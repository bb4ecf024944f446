#!/bin/sh
# Checks of the installed desktop files, run by ctest.
#   check-desktop-files.sh desktop VALIDATOR FILE     desktop-file-validate passes
#   check-desktop-files.sh metainfo APPSTREAMCLI FILE appstreamcli validate passes
#   check-desktop-files.sh install CMAKE BUILD STAGE  cmake --install puts every file in place
# Exit status 77 (skipped) when the validator is not installed.
set -eu
what=$1
case "$what" in
  desktop|metainfo)
    tool=$2 file=$3
    case "$tool" in ''|*-NOTFOUND) echo "skipped: no validator for $what files"; exit 77 ;; esac
    if [ "$what" = desktop ]; then "$tool" "$file"; else "$tool" validate --no-net "$file"; fi
    ;;
  install)
    cmake=$2 build=$3 stage=$4
    rm -rf "$stage"
    DESTDIR="$stage" "$cmake" --install "$build" --prefix /usr >/dev/null
    missing=0
    for f in bin/meridax bin/meridax-cli \
             share/applications/com.quintelvar.Meridax.desktop \
             share/icons/hicolor/scalable/apps/com.quintelvar.Meridax.svg \
             share/metainfo/com.quintelvar.Meridax.metainfo.xml \
             share/mime/packages/meridax.xml \
             share/bash-completion/completions/meridax-cli \
             share/meridax/help/meridax.html share/meridax/help/menus.html \
             share/man/man1/meridax.1.gz share/man/man1/meridax-cli.1.gz \
             share/doc/meridax/copyright share/doc/meridax/changelog.gz; do
      if [ ! -e "$stage/usr/$f" ]; then echo "missing: /usr/$f"; missing=1; fi
    done
    [ "$missing" = 0 ] || exit 1
    # The installed programs start from where they were put. F1 reads the manual only where the program was
    # built to be installed, or from its own build tree, never from a folder found beside the program (the
    # staged copy here): the screenshot's script prints what would have been opened.
    "$stage/usr/bin/meridax-cli" --help >/dev/null
    printf 'key F1\n' >"$stage/f1.script"
    opened=$("$stage/usr/bin/meridax" --screenshot "$stage/f1.png" --script "$stage/f1.script" | grep '^(open) ')
    case "$opened" in
      "(open) $build/help/meridax.html" | "(open) /"*/share/meridax/help/meridax.html)
        case "$opened" in "(open) $stage"*) echo "F1 opened the copy beside the program: '$opened'"; exit 1;; esac ;;
      *) echo "F1 opened: '$opened'"; exit 1 ;;
    esac
    ;;
  *) echo "usage: $0 desktop|metainfo|install ..." >&2; exit 2 ;;
esac

#!/usr/bin/env bash
# The downloads, the metainfo and the package are named from the project's
# version; what is written by hand must say the same, or a release would ship
# a changelog or manual pages of another version.
#   tests/data/check-version.sh SOURCE_DIR PROJECT_VERSION
set -euo pipefail
source=$1
version=$2
status=0

check() {
    local what=$1 found=$2
    if [[ $found != "$version" ]]; then
        echo "FAIL: $what says '${found}', the project $version"
        status=1
    fi
}

check "tools/setup version" "$("$source/tools/setup" version)"
check "the changelog's latest entry" "$(sed -n '1s/^zerubino (\([^)]*\)).*/\1/p' "$source/data/doc/changelog")"
for page in man/zerubino.1 man/ja/zerubino.1; do
    check "the header of $page" "$(sed -n '1s/^\.TH ZERUBINO 1 [0-9-]* "zerubino \([^"]*\)".*/\1/p' "$source/data/$page")"
done
[[ $status -eq 0 ]] && echo "every version named by hand is $version"
exit "$status"

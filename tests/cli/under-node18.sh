#!/usr/bin/env bash
# The WebAssembly build under Debian's Node 18 as well as the machine's
# node: the core's tests, and tachoria-cli's recorded outputs and write
# errors. Node 18 is unpacked into a folder (scripts/install-deps.sh test
# does it) rather than installed over the machine's node; a missing piece
# fails the test by name.
#   under-node18.sh <node 18 folder> <python3> <tests/cli folder> \
#                   <tachoria-cli.js> <core_tests.js>
set -uo pipefail
root=$1 python=$2 here=$3 cli=$4 core_tests=$5
node=$root/usr/bin/node
libs=$root/usr/lib/x86_64-linux-gnu
[ -x "$node" ] || { echo "FAIL: no Node 18 at $node (run scripts/install-deps.sh test)"; exit 1; }
missing=$(LD_LIBRARY_PATH=$libs ldd "$node" | awk '/not found/ { print $1 }')
[ -z "$missing" ] || { echo "FAIL: Node 18 lacks the libraries: $missing"; exit 1; }
# Debian's Node loads some of its own modules from these packages' files.
for module in acorn/dist/acorn.js:node-acorn cjs-module-lexer/lexer.js:node-cjs-module-lexer \
    undici/undici-fetch.js:node-undici; do
    [ -f "/usr/share/nodejs/${module%%:*}" ] ||
        { echo "FAIL: Node 18 needs /usr/share/nodejs/${module%%:*} (package ${module#*:})"; exit 1; }
done
version=$(LD_LIBRARY_PATH=$libs "$node" -e 'console.log(process.version)') ||
    { echo "FAIL: $node does not run"; exit 1; }
case $version in
    v18.*) echo "under Node $version" ;;
    *) echo "FAIL: $node is $version, not Node 18"; exit 1 ;;
esac
status=0
LD_LIBRARY_PATH=$libs "$node" "$core_tests" --gtest_brief=1 || status=1
# A quarter of the recorded commands: the same build's outputs, under
# another Node; node 20 checks them all.
"$python" -B "$here/check_outputs.py" --every 4 --launcher env --launcher "LD_LIBRARY_PATH=$libs" \
    --launcher "$node" "$cli" || status=1
bash "$here/write-errors.sh" env "LD_LIBRARY_PATH=$libs" "$node" "$cli" || status=1
exit $status

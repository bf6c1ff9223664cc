#!/usr/bin/env bash
# The skin DLLs as their callers see them, read with pev's readpe: each
# exports exactly the functions of taverel_skin.h under their plain names
# (nothing decorated, no C++ symbol), and the import libraries beside it
# (NAME.lib and NAME.dll.a) give a caller that declares them as the header
# does exactly those imports from NAME.dll. The .lib is linked by lld-link,
# an MSVC-style linker, the .dll.a by mingw-w64's ld; an x86 caller asks for
# the __stdcall names (_Name@bytes), so a cdecl or miscounted function fails.
# usage: skin_dll_test.sh DLL...    (exit 77, skipped, when one is not built)
set -u
documented="TaverelAttachSkin@4 TaverelDetachSkin@4 TaverelIsSkinned@4 TaverelSkinVersion@0"
plain=$(tr ' ' '\n' <<<"$documented" | sed 's/@.*//')
failed=0
fail() { echo "FAILED: $*"; failed=1; }
probe=$(mktemp -d /tmp/taverel-skin-dll.XXXXXX)
trap 'rm -rf "$probe"' EXIT

# The names at one depth of readpe's output ("Name:" values), one a line.
names_at() { sed -n "s/^ \{$1\}Name: *//p"; }

for dll in "$@"; do
  [ -f "$dll" ] || { echo "skipped: $dll is not built"; exit 77; }
  stem=${dll%.dll}
  echo "$dll"
  [ "$(readpe -e "$dll" | names_at 16)" = "$plain" ] ||
    fail "$dll exports $(readpe -e "$dll" | names_at 16 | tr '\n' ' ')"
  case $(readpe -h coff "$dll" | sed -n 's/^ *Machine: *\(0x[0-9a-f]*\).*/\1/p') in
    0x14c) symbols=$(for s in $documented; do echo "/include:__imp__$s"; done)
           machine=x86 ld=i686-w64-mingw32-ld ;;
    *) symbols=$(for s in $plain; do echo "/include:__imp_$s"; done)
       machine=x64 ld=x86_64-w64-mingw32-ld ;;
  esac
  lld-link /dll /noentry /machine:$machine $symbols "$stem.lib" /out:"$probe/lib.dll" ||
    fail "lld-link could not link $stem.lib"
  "$ld" --dll -e 0 $(sed 's|^/include:|-u |' <<<"$symbols") "$stem.dll.a" -o "$probe/dll_a.dll" ||
    fail "ld could not link $stem.dll.a"
  for linked in lib dll_a; do
    imports=$(readpe -i "$probe/$linked.dll" 2>/dev/null)
    [ "$(names_at 8 <<<"$imports")" = "${dll##*/}" ] && [ "$(names_at 16 <<<"$imports")" = "$plain" ] ||
      fail "linked with $stem.${linked/_/.}, a caller imports: $(tr -s ' \n' ' ' <<<"$imports")"
  done
done
[ $failed -eq 0 ] && echo "exports and import libraries as documented"
exit $failed

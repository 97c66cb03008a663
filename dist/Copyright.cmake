# The package's machine-readable copyright file (usr/share/doc/tutorix/copyright),
# made from the same licence data the source tree declares for REUSE: the
# paragraphs of .reuse/dep5, followed by one paragraph per licence. The GPL
# refers to Debian's copy in /usr/share/common-licenses; the CC-BY-SA text,
# which Debian does not keep there, is included from LICENSES/.

# A licence text as the body of a DEP-5 field: every line indented by one
# space, empty lines as " .".
function(tutorix_dep5_text out text)
  string(REGEX REPLACE "[ \t\r]+\n" "\n" text "${text}")
  string(STRIP "${text}" text)
  string(REPLACE "\n" "\n " text " ${text}")
  string(REPLACE "\n \n" "\n .\n" text "${text}")
  string(REPLACE "\n \n" "\n .\n" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(tutorix_write_copyright source_dir out)
  file(READ ${source_dir}/.reuse/dep5 dep5)
  string(STRIP "${dep5}" dep5)
  file(READ ${source_dir}/LICENSES/CC-BY-SA-4.0.txt cc_by_sa)
  tutorix_dep5_text(cc_by_sa "${cc_by_sa}")
  set(gpl [=[
 This program is free software: you can redistribute it and/or modify it
 under the terms of the GNU General Public License as published by the Free
 Software Foundation, either version 3 of the License, or (at your option)
 any later version.
 .
 This program is distributed in the hope that it will be useful, but WITHOUT
 ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or
 FITNESS FOR A PARTICULAR PURPOSE. See the GNU General Public License for
 more details.
 .
 On Debian systems, the complete text of the GNU General Public License
 version 3 can be found in "/usr/share/common-licenses/GPL-3".]=])
  file(WRITE ${out}.tmp "${dep5}\n\nLicense: GPL-3.0-or-later\n${gpl}\n\nLicense: CC-BY-SA-4.0\n${cc_by_sa}\n")
  configure_file(${out}.tmp ${out} COPYONLY)
  file(REMOVE ${out}.tmp)
endfunction()

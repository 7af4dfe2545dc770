# Writes the SHA-256 sums of the translations FILES to OUTPUT, one "sum  file name" a line
# as sha256sum prints it; the programs load only a translation that matches its line.
set(lines "")
foreach(file IN LISTS FILES)
    file(SHA256 ${file} sum)
    get_filename_component(name ${file} NAME)
    string(APPEND lines "${sum}  ${name}\n")
endforeach()
file(WRITE ${OUTPUT} "${lines}")

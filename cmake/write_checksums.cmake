# cmake -DFOLDER=... -P write_checksums.cmake
# Writes FOLDER/SHA256SUMS: the SHA-256 of every other file in FOLDER, by name,
# in the form `sha256sum -c SHA256SUMS` checks (and certutil's or PowerShell's
# hashes can be compared with by eye).
file(GLOB names RELATIVE ${FOLDER} LIST_DIRECTORIES false ${FOLDER}/*)
list(REMOVE_ITEM names SHA256SUMS)
list(SORT names)
set(sums "")
foreach(name IN LISTS names)
    file(SHA256 ${FOLDER}/${name} sum)
    string(APPEND sums "${sum}  ${name}\n")
endforeach()
file(WRITE ${FOLDER}/SHA256SUMS "${sums}")

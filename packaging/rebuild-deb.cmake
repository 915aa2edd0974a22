# Run by CPack once it has written the DEB: dpkg-deb, Debian's own tool, builds it again from what it
# holds. CPack writes the members of the DEB with the modes the builder's umask gave them, and files
# and folders keep those modes too; dpkg-deb writes fixed ones, after every mode is made the usual
# rw-r--r-- or rwxr-xr-x. Every time in the DEB is then SOURCE_DATE_EPOCH, which packaging's
# CPack options set.
find_program(DPKG_DEB dpkg-deb REQUIRED)
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  set(tree ${deb}.tree)
  file(REMOVE_RECURSE ${tree})
  execute_process(COMMAND ${DPKG_DEB} --raw-extract ${deb} ${tree} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND chmod -R u+rwX,go+rX,go-w ${tree} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${DPKG_DEB} --root-owner-group -Zgzip --build ${tree} ${deb}
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${tree})
endforeach()

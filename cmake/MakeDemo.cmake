# Lays out the demo program folder: the static files of demo/program are
# copied as they are; tests are compiled from their sources by ispyt-tool.
file(REMOVE_RECURSE ${DST})
file(MAKE_DIRECTORY ${DST}/Base)
file(COPY ${SRC}/ DESTINATION ${DST})

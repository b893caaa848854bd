# Writes the sample media index IN to OUT with every match's VideoFilename made the path of that
# file in the folder MEDIA, so that the viewer finds the videos at once, whatever media folder
# the user has chosen, and never rewrites the committed sample to relocate them.
#   cmake -DIN=... -DOUT=... -DMEDIA=... -P PointAtVideos.cmake
file(READ "${IN}" text)
# The folder goes into an XML attribute.
set(folder "${MEDIA}")
string(REPLACE "&" "&amp;" folder "${folder}")
string(REPLACE "\"" "&quot;" folder "${folder}")
string(REPLACE "<" "&lt;" folder "${folder}")
string(REPLACE ">" "&gt;" folder "${folder}")
string(REGEX REPLACE "VideoFilename=\"([^\"]*)\"" "VideoFilename=\"${folder}/\\1\"" text "${text}")
file(WRITE "${OUT}" "${text}")

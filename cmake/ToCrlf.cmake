# Copies the text file IN to OUT with CRLF line ends: cmake -DIN=... -DOUT=... -P ToCrlf.cmake
file(READ ${IN} text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUT} "${text}")

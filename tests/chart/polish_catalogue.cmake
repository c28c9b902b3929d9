# A language the program does not ship, made as a translator would: the Spanish catalogue
# copied as zan_pl.ts with one text in Polish, beyond Latin-1 and Windows-1252.
file(READ ${SOURCE} text)
string(REPLACE "<translation>Daño total por fatiga</translation>"
       "<translation>Łączna szkoda zmęczeniowa</translation>" polish "${text}")
if(polish STREQUAL text)
    message(FATAL_ERROR "the Spanish catalogue no longer has the text the test translates")
endif()
string(REPLACE "language=\"es\"" "language=\"pl\"" polish "${polish}")
file(WRITE ${OUT} "${polish}")

# Writes the page as one file that carries everything it needs: index.html with its style
# sheet and scripts inline, under a policy that admits inline code and nothing from elsewhere.
#   cmake -DSOURCE_DIR=web -DENGINE=build-wasm/web/engine.js -DOUT=zan-design.html -P one_file.cmake

file(READ ${SOURCE_DIR}/index.html page)

# The page's own policy names its files ('self'); inline, the same code is admitted as such.
foreach(directive script-src style-src)
    string(FIND "${page}" "${directive} 'self'" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "one_file: index.html's policy has no ${directive} 'self'")
    endif()
    string(REPLACE "${directive} 'self'" "${directive} 'unsafe-inline'" page "${page}")
endforeach()

function(inline tag replacement)
    string(FIND "${page}" "${tag}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "one_file: index.html does not hold ${tag}")
    endif()
    string(REPLACE "${tag}" "${replacement}" page "${page}")
    set(page "${page}" PARENT_SCOPE)
endfunction()

file(READ ${SOURCE_DIR}/style.css style)
inline("<link rel=\"stylesheet\" href=\"style.css\">" "<style>\n${style}</style>")
foreach(script engine.js texts.js charts.js memo.js app.js)
    if(script STREQUAL "engine.js")
        file(READ ${ENGINE} code)
    else()
        file(READ ${SOURCE_DIR}/${script} code)
    endif()
    # Either would end or confuse the script element before the code's end.
    string(TOLOWER "${code}" lower)
    string(FIND "${lower}" "</script" closing)
    string(FIND "${lower}" "<!--" comment)
    if(NOT closing EQUAL -1 OR NOT comment EQUAL -1)
        message(FATAL_ERROR "one_file: ${script} cannot stand inline in a script element")
    endif()
    inline("<script src=\"${script}\" defer></script>" "<script>\n${code}</script>")
endforeach()
file(WRITE ${OUT} "${page}")

# The user guide as HTML, made from its Markdown with cmark-gfm (for the tables) for the package:
# docs/de/ and docs/en/ become html/de/ and html/en/ (links between pages
# follow), the pictures beside them are copied, and html/index.html lets the
# reader choose a language.
#   cmake -DCMARK=cmark-gfm -DSOURCE_DIR=docs -DOUTPUT_DIR=html -P GuideHtml.cmake
file(REMOVE_RECURSE ${OUTPUT_DIR})
file(GLOB pictures ${SOURCE_DIR}/*.png)
file(COPY ${pictures} ${SOURCE_DIR}/first-steps DESTINATION ${OUTPUT_DIR})
foreach(language de en)
  file(GLOB pages ${SOURCE_DIR}/${language}/*.md)
  foreach(page ${pages})
    get_filename_component(name ${page} NAME_WE)
    execute_process(COMMAND ${CMARK} --extension table ${page} OUTPUT_VARIABLE body RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "cmark failed on ${page}")
    endif()
    string(REGEX REPLACE "href=\"([^\":#]*)\\.md([\"#])" "href=\"\\1.html\\2" body "${body}")
    string(REGEX MATCH "<h1>([^<]*)</h1>" heading "${body}")
    set(title "${CMAKE_MATCH_1}")
    file(WRITE ${OUTPUT_DIR}/${language}/${name}.html
      "<!DOCTYPE html>\n<html lang=\"${language}\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<title>${title}</title>\n</head>\n<body>\n${body}</body>\n</html>\n")
  endforeach()
endforeach()
file(WRITE ${OUTPUT_DIR}/index.html
  "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
  "<title>Tessmoor-Karteneditor</title>\n</head>\n<body>\n<h1>Tessmoor-Karteneditor</h1>\n<ul>\n"
  "<li><a href=\"de/index.html\">Handbuch (Deutsch)</a></li>\n"
  "<li><a href=\"en/index.html\" lang=\"en\">User guide (English)</a></li>\n</ul>\n</body>\n</html>\n")

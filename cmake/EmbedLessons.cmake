# Writes the shipped lessons into a C++ source as raw strings, in the order of their file
# names, so the window, the page and vireflu-render read the same files.
# Run as: cmake -DOUTPUT=<file.cpp> -DLESSON_DIR=<dir> -P EmbedLessons.cmake
file(GLOB lessons ${LESSON_DIR}/*.json)
list(SORT lessons)
set(text "// Generated from data/lessons by cmake/EmbedLessons.cmake.\n")
string(APPEND text "#include \"lessons/lesson_library.h\"\n\nnamespace vireflu {\n\n")
string(APPEND text "std::span<const std::string_view> ShippedLessonFiles() {\n")
string(APPEND text "    static constexpr std::string_view files[] = {\n")
foreach(lesson IN LISTS lessons)
  file(READ ${lesson} content)
  string(APPEND text "        R\"lesson(${content})lesson\",\n")
endforeach()
string(APPEND text "    };\n    return files;\n}\n\n}  // namespace vireflu\n")
file(WRITE ${OUTPUT}.tmp "${text}")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)

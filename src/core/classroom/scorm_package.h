#pragma once

#include <string>
#include <string_view>

#include "classroom/course.h"

namespace vireflu {

// The page's file name in a package, and the id of the script element that carries a course
// inside it.
constexpr std::string_view kPackagedPage = "vireflu.html";
constexpr std::string_view kBuiltInCourseId = "vireflu-course";

// The page with the course built in, as a JSON script element before "</head>" (replacing one
// already there); the page as it is when it has no "</head>".
std::string PageWithCourse(std::string_view page, const Course& course);

// imsmanifest.xml of a SCORM 1.2 package: one organisation, one SCO launching the page.
std::string ScormManifest(const Course& course);

// The whole package as a zip: the manifest and the page with the course built in.
std::string ScormPackage(std::string_view page, const Course& course);

}  // namespace vireflu

#include "classroom/scorm_package.h"

#include <vector>

#include "classroom/zip_archive.h"

namespace vireflu {

namespace {

std::string XmlText(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '&')
            escaped += "&amp;";
        else if (c == '<')
            escaped += "&lt;";
        else if (c == '>')
            escaped += "&gt;";
        else if (c == '"')
            escaped += "&quot;";
        else
            escaped += c;
    }
    return escaped;
}

std::string CourseElement(const Course& course) {
    // The course's JSON escapes every '<', so no "</script>" can end the element early.
    return "<script type=\"application/json\" id=\"" + std::string(kBuiltInCourseId) + "\">" +
           WriteCourse(course) + "</script>";
}

}  // namespace

std::string PageWithCourse(std::string_view page, const Course& course) {
    const std::string opening =
        "<script type=\"application/json\" id=\"" + std::string(kBuiltInCourseId) + "\">";
    std::string built(page);
    if (const std::size_t at = built.find(opening); at != std::string::npos) {
        const std::size_t end = built.find("</script>", at);
        if (end != std::string::npos) {
            built.replace(at, end + 9 - at, CourseElement(course));
            return built;
        }
    }
    if (const std::size_t head = built.find("</head>"); head != std::string::npos)
        built.insert(head, CourseElement(course) + "\n");
    return built;
}

std::string ScormManifest(const Course& course) {
    const std::string title = XmlText(course.title);
    const std::string page(kPackagedPage);
    std::string manifest =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<manifest identifier=\"vireflu-course\" version=\"1.0\"\n"
        "    xmlns=\"http://www.imsproject.org/xsd/imscp_rootv1p1p2\"\n"
        "    xmlns:adlcp=\"http://www.adlnet.org/xsd/adlcp_rootv1p2\"\n"
        "    xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\n"
        "    xsi:schemaLocation=\"http://www.imsproject.org/xsd/imscp_rootv1p1p2 "
        "imscp_rootv1p1p2.xsd http://www.imsglobal.org/xsd/imsmd_rootv1p2p1 imsmd_rootv1p2p1.xsd "
        "http://www.adlnet.org/xsd/adlcp_rootv1p2 adlcp_rootv1p2.xsd\">\n"
        "  <metadata>\n"
        "    <schema>ADL SCORM</schema>\n"
        "    <schemaversion>1.2</schemaversion>\n"
        "  </metadata>\n"
        "  <organizations default=\"vireflu-organisation\">\n"
        "    <organization identifier=\"vireflu-organisation\">\n"
        "      <title>" +
        title +
        "</title>\n"
        "      <item identifier=\"vireflu-item\" identifierref=\"vireflu-page\" "
        "isvisible=\"true\">\n"
        "        <title>" +
        title + "</title>\n";
    if (course.passMark)
        manifest += "        <adlcp:masteryscore>" + std::to_string(*course.passMark) +
                    "</adlcp:masteryscore>\n";
    return manifest +
           "      </item>\n"
           "    </organization>\n"
           "  </organizations>\n"
           "  <resources>\n"
           "    <resource identifier=\"vireflu-page\" type=\"webcontent\" "
           "adlcp:scormtype=\"sco\" href=\"" +
           page +
           "\">\n"
           "      <file href=\"" +
           page +
           "\"/>\n"
           "    </resource>\n"
           "  </resources>\n"
           "</manifest>\n";
}

std::string ScormPackage(std::string_view page, const Course& course) {
    const std::vector<ZipEntry> entries = {
        {"imsmanifest.xml", ScormManifest(course)},
        {std::string(kPackagedPage), PageWithCourse(page, course)}};
    return StoredZip(entries);
}

}  // namespace vireflu

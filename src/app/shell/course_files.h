#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <string_view>

#include "classroom/course.h"

namespace vireflu {

// Writes a whole file through QSaveFile, so a failure leaves the previous file as it was;
// the error's text, or an empty string once written.
QString WriteWhole(const QString& path, std::string_view bytes);

// Reads a course file strictly and hands it on; a refusal is told in one warning and nothing
// else happens.
bool OpenCourseFile(QWidget* window, const QString& file,
                    const std::function<void(const Course&)>& follow);
// "Enregistrer...": the course's canonical document, where the user says.
void SaveCourseAs(QWidget* window, const Course& course);
// "Exporter pour une plateforme (SCORM)...": the page with the course built in, as a SCORM
// package where the user says.
void ExportScorm(QWidget* window, const Course& course);

}  // namespace vireflu

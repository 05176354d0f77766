#pragma once
// PASS/FAIL lines, and breaches of the game's calling contract noticed while
// the plug-in ran (reported once, at the end of a run).
#include <string>

namespace standin {

bool Check(bool ok, const std::string& what);
void Violation(const std::string& what);
void ReportViolations();
int FailureCount();

}  // namespace standin

#pragma once
// What the header tool reports when a header cannot be read: the line and what is wrong there.
// The tool prints it as "<file>:<line>: error: <message>", the form editors jump to.
#include <stdexcept>
#include <string>

class FHeaderToolError : public std::runtime_error
{
public:
	FHeaderToolError(int InLine, const std::string& Message) : std::runtime_error(Message), Line(InLine) {}

	int Line;
};

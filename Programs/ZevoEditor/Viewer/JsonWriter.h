#pragma once
// FJsonWriter: writes JSON text straight into one string, for the viewer's states, which are
// written up to 60 times a second: no document tree in between, numbers at a fixed precision.
// Text that is not valid UTF-8 is written with U+FFFD in place of each bad byte, so a subject
// name from the network can never make the document unreadable.
#include <string>
#include <string_view>

class FJsonWriter
{
public:
	explicit FJsonWriter(size_t ExpectedBytes = 0) { Out.reserve(ExpectedBytes); }

	void BeginObject() { Separate(); Out += '{'; bFirst = true; }
	void EndObject() { Out += '}'; bFirst = false; }
	void BeginArray() { Separate(); Out += '['; bFirst = true; }
	void EndArray() { Out += ']'; bFirst = false; }
	/** The key of the next value in an object: a name of this program's, written as it is. */
	void Key(std::string_view Name);

	void String(std::string_view Text);
	void Null() { Separate(); Out += "null"; }
	void Bool(bool bValue) { Separate(); Out += bValue ? "true" : "false"; }
	void Integer(long long Value);
	/** Fixed notation with Decimals digits after the point; not-a-number and infinities as null. */
	void Number(double Value, int Decimals);
	/** A value that is JSON text already. */
	void Raw(std::string_view Json) { Separate(); Out += Json; }

	const std::string& GetText() const { return Out; }
	std::string Take() { return std::move(Out); }

private:
	void Separate();
	void AppendEscaped(std::string_view Text);

	std::string Out;
	bool bFirst = true;
	bool bAfterKey = false;
};

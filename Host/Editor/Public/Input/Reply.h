#pragma once
// FReply: what an input handler tells the toolkit: the event was handled, or pass it on.

class FReply
{
public:
	static FReply Handled() { return FReply(true); }
	static FReply Unhandled() { return FReply(false); }
	bool IsEventHandled() const { return bHandled; }

private:
	explicit FReply(bool bInHandled) : bHandled(bInHandled) {}
	bool bHandled;
};

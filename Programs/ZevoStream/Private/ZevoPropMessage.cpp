#include "ZevoPropMessage.h"

const TArray<uint8>& WriteZevoPropMessage(FOscMessageWriter& Writer, const FZevoPropFrame& Frame)
{
	Writer.Begin(ZevoPropAddress);
	Writer.AddInt32(Frame.Type);
	Writer.AddInt32(Frame.Number);
	Writer.AddString(Frame.Name.ToStdString());
	for (const double Value : {Frame.Location.X, Frame.Location.Y, Frame.Location.Z,
			 Frame.Rotation.X, Frame.Rotation.Y, Frame.Rotation.Z, Frame.Rotation.W,
			 Frame.Scale.X, Frame.Scale.Y, Frame.Scale.Z})
	{
		Writer.AddFloat(static_cast<float>(Value));
	}
	return Writer.Finish();
}

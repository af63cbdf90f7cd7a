#include "ViewerFeedSession.h"

#include <algorithm>
#include <boost/asio/buffer.hpp>

namespace websocket = boost::beast::websocket;

namespace
{
constexpr auto MinInterval = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
	std::chrono::duration<double>(1.0 / FViewerFeedSession::MaxUpdatesPerSecond));
// A page answers pings within a few seconds even in a background tab; one that does not is gone.
constexpr auto IdleTimeout = std::chrono::seconds(20);
// Pages send nothing but pongs and a close; anything bigger is not a page.
constexpr size_t MaxIncomingMessage = 4096;
// What the kernel may hold for a page beyond the message being written: a few states, so that a
// page that falls behind is sent a fresh one as soon as it catches up, not a backlog.
constexpr int SendBufferBytes = 128 * 1024;
}

FViewerFeedSession::FViewerFeedSession(boost::beast::tcp_stream&& Stream, std::shared_ptr<FViewerHub> InHub)
	: Socket(std::move(Stream)), Hub(std::move(InHub)), Pacer(Socket.get_executor())
{
}

FViewerFeedSession::~FViewerFeedSession()
{
	Hub->ReleaseConnectionSlot();
}

void FViewerFeedSession::Accept(boost::beast::http::request<boost::beast::http::empty_body> Request)
{
	boost::beast::get_lowest_layer(Socket).expires_never();
	boost::beast::error_code Ignored;
	boost::beast::get_lowest_layer(Socket).socket().set_option(boost::asio::socket_base::send_buffer_size(SendBufferBytes), Ignored);
	websocket::stream_base::timeout Timeout = websocket::stream_base::timeout::suggested(boost::beast::role_type::server);
	Timeout.idle_timeout = IdleTimeout;
	Timeout.keep_alive_pings = true;
	Socket.set_option(Timeout);
	Socket.read_message_max(MaxIncomingMessage);
	Socket.text(true);
	Socket.async_accept(Request, [Self = shared_from_this()](boost::beast::error_code Error) {
		if (Error)
		{
			return;
		}
		Self->bOpen = true;
		Self->Hub->AddFeed(Self);
		Self->ReadAndDrop();
		Self->OnStateAvailable();
	});
}

void FViewerFeedSession::ReadAndDrop()
{
	Socket.async_read(Incoming, [Self = shared_from_this()](boost::beast::error_code Error, size_t) {
		if (Error)
		{
			// Closed by the page, timed out or refused: the pending write ends with an error too.
			Self->bOpen = false;
			Self->Pacer.cancel();
			return;
		}
		Self->Incoming.consume(Self->Incoming.size());
		Self->ReadAndDrop();
	});
}

void FViewerFeedSession::OnStateAvailable()
{
	if (!bOpen || bWriting || bPacerArmed)
	{
		return;
	}
	if (std::chrono::steady_clock::now() < NextSendAt)
	{
		bPacerArmed = true;
		Pacer.expires_at(NextSendAt);
		Pacer.async_wait([Self = shared_from_this()](boost::beast::error_code Error) {
			Self->bPacerArmed = false;
			if (!Error)
			{
				Self->OnStateAvailable();
			}
		});
		return;
	}
	SendLatest();
}

void FViewerFeedSession::SendLatest()
{
	const FSerializedState Latest = Hub->GetLatestJson();
	if (!Latest.Json || Latest.Serial == SentSerial)
	{
		return;
	}
	Sending = Latest.Json;
	SentSerial = Latest.Serial;
	// Sends keep to a 60 Hz grid that may fall behind now by half an interval: states of a 60 Hz
	// engine loop go out as they come even when a tick is a little early, and yet no second holds
	// more than one send over 60.
	const auto Now = std::chrono::steady_clock::now();
	NextSendAt = std::max(NextSendAt, Now - MinInterval / 2) + MinInterval;
	bWriting = true;
	Socket.async_write(boost::asio::buffer(*Sending), [Self = shared_from_this()](boost::beast::error_code Error, size_t) {
		Self->bWriting = false;
		Self->Sending.reset();
		if (Error)
		{
			Self->bOpen = false;
			return;
		}
		Self->OnStateAvailable();
	});
}

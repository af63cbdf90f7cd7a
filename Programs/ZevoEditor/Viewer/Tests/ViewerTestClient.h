#pragma once
// Talks to a viewer server the way browsers and misbehaving clients do: raw HTTP bytes over a
// loopback socket (so a test can send what no library would), and a WebSocket feed reader.
#include <arpa/inet.h>
#include <boost/asio/connect.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/buffers_to_string.hpp>
#include <boost/beast/websocket.hpp>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

struct FHttpReply
{
	int Status = 0;
	std::string Head;
	std::string Body;
};

/** A connected loopback socket with a receive timeout, or -1. */
inline int ConnectToPort(int Port, double TimeoutSeconds = 10.0)
{
	const int Socket = socket(AF_INET, SOCK_STREAM, 0);
	sockaddr_in Address = {};
	Address.sin_family = AF_INET;
	Address.sin_port = htons(static_cast<uint16_t>(Port));
	Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
	timeval Timeout{static_cast<time_t>(TimeoutSeconds), static_cast<suseconds_t>((TimeoutSeconds - static_cast<time_t>(TimeoutSeconds)) * 1e6)};
	setsockopt(Socket, SOL_SOCKET, SO_RCVTIMEO, &Timeout, sizeof(Timeout));
	if (connect(Socket, reinterpret_cast<sockaddr*>(&Address), sizeof(Address)) != 0)
	{
		close(Socket);
		return -1;
	}
	return Socket;
}

/** Sends Request as it is and reads the reply until the server closes (or 10 s pass). */
inline FHttpReply SendRaw(int Port, const std::string& Request)
{
	FHttpReply Reply;
	const int Socket = ConnectToPort(Port);
	if (Socket < 0)
	{
		return Reply;
	}
	for (size_t Sent = 0; Sent < Request.size();)
	{
		const ssize_t Count = send(Socket, Request.data() + Sent, Request.size() - Sent, MSG_NOSIGNAL);
		if (Count <= 0)
		{
			break;
		}
		Sent += static_cast<size_t>(Count);
	}
	std::string Bytes;
	char Buffer[65536];
	for (ssize_t Count; (Count = recv(Socket, Buffer, sizeof(Buffer), 0)) > 0;)
	{
		Bytes.append(Buffer, static_cast<size_t>(Count));
	}
	close(Socket);
	const size_t HeadEnd = Bytes.find("\r\n\r\n");
	if (Bytes.rfind("HTTP/1.1 ", 0) == 0 && HeadEnd != std::string::npos)
	{
		Reply.Status = std::stoi(Bytes.substr(9, 3));
		Reply.Head = Bytes.substr(0, HeadEnd);
		Reply.Body = Bytes.substr(HeadEnd + 4);
	}
	return Reply;
}

inline FHttpReply HttpGet(int Port, const std::string& Target)
{
	return SendRaw(Port, "GET " + Target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
}

/** A page's feed: a WebSocket on /api/feed, read when the test says so. */
class FFeedReader
{
public:
	/** ReceiveBufferBytes other than 0 keeps the kernel from holding much for a page that does not read. */
	explicit FFeedReader(int Port, int ReceiveBufferBytes = 0) : Socket(Io)
	{
		boost::asio::ip::tcp::socket& Tcp = Socket.next_layer();
		Tcp.open(boost::asio::ip::tcp::v4());
		if (ReceiveBufferBytes > 0)
		{
			Tcp.set_option(boost::asio::socket_base::receive_buffer_size(ReceiveBufferBytes));
		}
		Tcp.connect({boost::asio::ip::address_v4::loopback(), static_cast<unsigned short>(Port)});
		Socket.handshake("127.0.0.1", "/api/feed");
	}

	/** The next message (blocks until one comes or the server closes: then empty). */
	std::string Read()
	{
		boost::beast::flat_buffer Buffer;
		boost::beast::error_code Error;
		Socket.read(Buffer, Error);
		return Error ? std::string() : boost::beast::buffers_to_string(Buffer.data());
	}

private:
	boost::asio::io_context Io;
	boost::beast::websocket::stream<boost::asio::ip::tcp::socket> Socket;
};

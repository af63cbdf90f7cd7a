#include "Common/UdpSocketBuilder.h"
#include "Logging/LogCapture.h"
#include "SocketSubsystem.h"

#include <gtest/gtest.h>
#include <memory>

namespace
{
struct FSocketDeleter
{
	void operator()(FSocket* Socket) const { ISocketSubsystem::Get()->DestroySocket(Socket); }
};
using FSocketPtr = std::unique_ptr<FSocket, FSocketDeleter>;

FSocketPtr MakeReceiver(int32 Port = 0)
{
	return FSocketPtr(FUdpSocketBuilder("TestReceiver").AsNonBlocking().BoundToAddress(FIPv4Address::InternalLoopback).BoundToPort(Port).Build());
}

bool Send(FSocket& From, int32 ToPort, const TArray<uint8>& Bytes)
{
	FInternetAddr To;
	To.SetEndpoint(FIPv4Endpoint(FIPv4Address::InternalLoopback, uint16(ToPort)));
	int32 Sent = -1;
	return From.SendTo(Bytes.GetData(), Bytes.Num(), Sent, To) && Sent == Bytes.Num();
}
}

TEST(UdpSocket, DeliversDatagramsWithTheirSenderOnLoopback)
{
	FSocketPtr Receiver = MakeReceiver();
	FSocketPtr Sender = MakeReceiver();
	ASSERT_TRUE(Receiver && Sender);
	EXPECT_EQ(Receiver->GetSocketType(), SOCKTYPE_Datagram);
	ASSERT_GT(Receiver->GetPortNo(), 0);

	ASSERT_TRUE(Send(*Sender, Receiver->GetPortNo(), TArray<uint8>{1, 2, 3, 4, 5}));
	ASSERT_TRUE(Receiver->Wait(ESocketWaitConditions::WaitForRead, FTimespan::FromSeconds(5)));
	uint32 Pending = 0;
	ASSERT_TRUE(Receiver->HasPendingData(Pending));
	EXPECT_EQ(Pending, 5u);

	uint8 Buffer[16] = {};
	int32 Read = 0;
	FInternetAddr From;
	ASSERT_TRUE(Receiver->RecvFrom(Buffer, sizeof(Buffer), Read, From));
	EXPECT_EQ(Read, 5);
	EXPECT_EQ(Buffer[4], 5);
	EXPECT_EQ(From.ToString(true), FString::Printf("127.0.0.1:%d", Sender->GetPortNo()));
	EXPECT_FALSE(Receiver->HasPendingData(Pending));
}

TEST(UdpSocket, ReportsAnEmptyDatagramAsPendingSoThatItCanBeConsumed)
{
	FSocketPtr Receiver = MakeReceiver();
	FSocketPtr Sender = MakeReceiver();
	ASSERT_TRUE(Send(*Sender, Receiver->GetPortNo(), TArray<uint8>{}));
	ASSERT_TRUE(Receiver->Wait(ESocketWaitConditions::WaitForRead, FTimespan::FromSeconds(5)));
	uint32 Pending = 99;
	ASSERT_TRUE(Receiver->HasPendingData(Pending));
	EXPECT_EQ(Pending, 0u);
	uint8 Buffer[4];
	int32 Read = -1;
	FInternetAddr From;
	ASSERT_TRUE(Receiver->RecvFrom(Buffer, sizeof(Buffer), Read, From));
	EXPECT_EQ(Read, 0);
	EXPECT_FALSE(Receiver->HasPendingData(Pending));
}

TEST(UdpSocket, WaitGivesUpAfterItsTimeoutAndReceiveDoesNotBlock)
{
	FSocketPtr Receiver = MakeReceiver();
	EXPECT_FALSE(Receiver->Wait(ESocketWaitConditions::WaitForRead, FTimespan::FromMilliseconds(1)));
	uint8 Buffer[4];
	int32 Read = 0;
	FInternetAddr From;
	EXPECT_FALSE(Receiver->RecvFrom(Buffer, sizeof(Buffer), Read, From));
	EXPECT_EQ(Read, 0);
}

TEST(UdpSocketBuilder, FailsWithAnErrorOnAPortTakenByAnExclusiveSocket)
{
	FSocketPtr Holder(FUdpSocketBuilder("Holder").BoundToPort(0).Build());
	ASSERT_TRUE(Holder);
	FLogCapture Log;
	FSocketPtr Second(FUdpSocketBuilder("Second").AsReusable().BoundToPort(Holder->GetPortNo()).Build());
	EXPECT_EQ(Second, nullptr);
	EXPECT_EQ(Log.CountContaining("Socket 'Second' on 0.0.0.0:", ELogVerbosity::Error), 1);
	EXPECT_EQ(Log.CountContaining("bind failed", ELogVerbosity::Error), 1);
}

TEST(UdpSocketBuilder, LetsReusableSocketsShareAPort)
{
	FSocketPtr First(FUdpSocketBuilder("First").AsReusable().BoundToPort(0).Build());
	ASSERT_TRUE(First);
	FSocketPtr Second(FUdpSocketBuilder("Second").AsReusable().BoundToPort(First->GetPortNo()).Build());
	EXPECT_TRUE(Second);
}

TEST(UdpSocketBuilder, RecordsTheOptionsOfTheLastBuild)
{
	FSocketPtr Socket(FUdpSocketBuilder("Options")
			.AsNonBlocking()
			.WithBroadcast()
			.WithMulticastLoopback()
			.WithMulticastTtl(4)
			.WithSendBufferSize(65536)
			.WithReceiveBufferSize(131072)
			.BoundToAddress(FIPv4Address::InternalLoopback)
			.Build());
	ASSERT_TRUE(Socket);
	const FUdpSocketBuilderOptions Options = FUdpSocketBuilder::GetLastBuildOptions();
	EXPECT_EQ(Options.Description, "Options");
	EXPECT_FALSE(Options.bBlocking);
	EXPECT_FALSE(Options.bReusable);
	EXPECT_TRUE(Options.bBroadcast);
	EXPECT_TRUE(Options.bMulticastLoopback);
	EXPECT_EQ(Options.MulticastTtl, 4);
	EXPECT_EQ(Options.SendBufferSize, 65536);
	EXPECT_EQ(Options.ReceiveBufferSize, 131072);
	EXPECT_EQ(Options.BoundAddress, FIPv4Address::InternalLoopback);
	EXPECT_TRUE(Options.JoinedGroups.IsEmpty());
}

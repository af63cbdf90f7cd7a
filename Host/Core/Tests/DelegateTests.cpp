#include "CoreMinimal.h"
#include "Delegates/Delegate.h"
#include "Features/IModularFeatures.h"
#include "Misc/Attribute.h"
#include "Misc/CoreDelegates.h"

#include <gtest/gtest.h>
#include <thread>

namespace
{
struct FListener
{
	TArray<FString> Calls;
	void OnEvent(int32 Value) { Calls.Add(FString::Printf("event %d", Value)); }
	void OnEventWithPayload(int32 Value, FString Payload) { Calls.Add(FString::Printf("%s %d", *Payload, Value)); }
	int32 Twice(int32 Value) const { return 2 * Value; }
};

struct FSharedListener : public TSharedFromThis<FSharedListener>
{
	int32 Calls = 0;
	void OnEvent(int32) { ++Calls; }
};
}

TEST(TDelegate, BindsMethodsWithPayloadAppendedAfterTheCallArguments)
{
	FListener Listener;
	TDelegate<void(int32)> Delegate;
	EXPECT_FALSE(Delegate.IsBound());
	EXPECT_FALSE(Delegate.ExecuteIfBound(1));

	Delegate.BindRaw(&Listener, &FListener::OnEventWithPayload, FString("payload"));
	EXPECT_TRUE(Delegate.ExecuteIfBound(7));
	Delegate.Execute(8);
	EXPECT_EQ(Listener.Calls, (TArray<FString>{"payload 7", "payload 8"}));

	const auto Doubler = TDelegate<int32(int32)>::CreateRaw(&Listener, &FListener::Twice);
	EXPECT_EQ(Doubler.Execute(21), 42);
	int32 Offset = 5;
	const auto Lambda = TDelegate<int32(int32)>::CreateLambda([](int32 Value, int32 Add) { return Value + Add; }, Offset);
	EXPECT_EQ(Lambda.Execute(1), 6);
}

TEST(TDelegate, SharedPointerBindingGoesQuietWhenTheObjectDies)
{
	TSharedPtr<FSharedListener> Listener = MakeShared<FSharedListener>();
	auto ByPointer = TDelegate<void(int32)>::CreateSP(Listener, &FSharedListener::OnEvent);
	auto ByThis = TDelegate<void(int32)>::CreateSP(Listener.Get(), &FSharedListener::OnEvent);
	EXPECT_TRUE(ByPointer.ExecuteIfBound(1));
	EXPECT_TRUE(ByThis.ExecuteIfBound(1));
	EXPECT_EQ(Listener->Calls, 2);
	EXPECT_EQ(Listener.use_count(), 1) << "the delegate must not keep its object alive";

	Listener.Reset();
	EXPECT_FALSE(ByPointer.IsBound());
	EXPECT_FALSE(ByThis.ExecuteIfBound(1));
}

TEST(TMulticastDelegate, RemovesEveryCallbackOfAnObjectAndKeepsTheOthersInOrder)
{
	FListener A, B;
	TMulticastDelegate<void(int32)> Event;
	TArray<FString> LambdaCalls;
	Event.AddRaw(&A, &FListener::OnEvent);
	Event.AddUObject(&B, &FListener::OnEvent);
	const FDelegateHandle LambdaHandle = Event.AddLambda([&](int32 Value) { LambdaCalls.Add(FString::FromInt(Value)); });
	Event.AddRaw(&A, &FListener::OnEventWithPayload, FString("second"));

	Event.Broadcast(1);
	EXPECT_EQ(A.Calls, (TArray<FString>{"event 1", "second 1"}));

	EXPECT_EQ(Event.RemoveAll(&A), 2);
	EXPECT_FALSE(Event.IsBoundToObject(&A));
	Event.Broadcast(2);
	EXPECT_EQ(A.Calls.Num(), 2);
	EXPECT_EQ(B.Calls, (TArray<FString>{"event 1", "event 2"}));

	EXPECT_TRUE(Event.Remove(LambdaHandle));
	EXPECT_FALSE(Event.Remove(LambdaHandle));
	Event.Broadcast(3);
	EXPECT_EQ(LambdaCalls, (TArray<FString>{"1", "2"}));
}

TEST(TMulticastDelegate, CallbackRemovedDuringBroadcastIsNotCalled)
{
	FSimpleMulticastDelegate Event;
	int32 SecondCalls = 0;
	FDelegateHandle Second;
	Event.AddLambda([&] { Event.Remove(Second); });
	Second = Event.AddLambda([&] { ++SecondCalls; });
	Event.Broadcast();
	EXPECT_EQ(SecondCalls, 0);
}

TEST(FCoreDelegates, PostEngineInitReachesSubscribersUntilTheyLeave)
{
	FListener Module;
	int32 Calls = 0;
	FCoreDelegates::OnPostEngineInit.AddRaw(&Module, [](FListener* Self, int32* Counter) { ++*Counter; }, &Calls);
	FCoreDelegates::OnPostEngineInit.Broadcast();
	FCoreDelegates::OnPostEngineInit.RemoveAll(&Module);
	FCoreDelegates::OnPostEngineInit.Broadcast();
	EXPECT_EQ(Calls, 1);
}

namespace
{
struct FFeature : IModularFeature
{
	int32 Id = 0;
};
}

TEST(IModularFeatures, ListsImplementationsInRegistrationOrder)
{
	const FName Type("ModularFeature_Test");
	FFeature First, Second;
	First.Id = 1;
	Second.Id = 2;
	IModularFeatures& Features = IModularFeatures::Get();
	EXPECT_FALSE(Features.IsModularFeatureAvailable(Type));
	EXPECT_EQ(Features.GetModularFeatureImplementation(Type, 0), nullptr);

	Features.RegisterModularFeature(Type, &First);
	Features.RegisterModularFeature(Type, &Second);
	EXPECT_EQ(Features.GetModularFeatureImplementationCount(Type), 2);
	EXPECT_EQ(static_cast<FFeature*>(Features.GetModularFeatureImplementation(Type, 1))->Id, 2);
	EXPECT_EQ(Features.GetModularFeatureImplementation(Type, 2), nullptr);

	Features.UnregisterModularFeature(Type, &First);
	EXPECT_EQ(Features.GetModularFeature<FFeature>(Type).Id, 2);
	Features.UnregisterModularFeature(Type, &Second);
	EXPECT_FALSE(Features.IsModularFeatureAvailable(Type));
	EXPECT_DEATH(Features.GetModularFeature<FFeature>(Type), "");
}

TEST(TAttribute, FixedBoundAndOrphanedValues)
{
	struct FSource : TSharedFromThis<FSource>
	{
		int32 Value = 1;
		int32 Get() const { return Value; }
	};
	const TAttribute<int32> Unset;
	EXPECT_FALSE(Unset.IsSet());
	EXPECT_EQ(Unset.Get(5), 5);
	EXPECT_EQ(TAttribute<int32>(3).Get(5), 3);

	TSharedPtr<FSource> Source = MakeShared<FSource>();
	const TAttribute<int32> Bound(Source.Get(), &FSource::Get);
	EXPECT_EQ(Bound.Get(), 1);
	Source->Value = 2;
	EXPECT_EQ(Bound.Get(), 2) << "a bound attribute reads its source each time";
	Source.Reset();
	EXPECT_FALSE(Bound.IsBound());
	EXPECT_EQ(Bound.Get(), 2) << "once the source is gone the last value stays";
}

TEST(IModularFeatures, RegistersAndReadsFromSeveralThreads)
{
	const FName Type("ModularFeature_Threads");
	FFeature Features[8];
	std::thread Readers([&] {
		for (int32 Round = 0; Round < 2000; ++Round)
		{
			const int32 Count = IModularFeatures::Get().GetModularFeatureImplementationCount(Type);
			EXPECT_LE(Count, 8);
			IModularFeatures::Get().GetModularFeatureImplementation(Type, Count - 1);
		}
	});
	TArray<std::thread> Writers;
	for (FFeature& Feature : Features)
	{
		Writers.Add(std::thread([&] {
			IModularFeatures::Get().RegisterModularFeature(Type, &Feature);
			IModularFeatures::Get().UnregisterModularFeature(Type, &Feature);
		}));
	}
	for (std::thread& Writer : Writers)
	{
		Writer.join();
	}
	Readers.join();
	EXPECT_FALSE(IModularFeatures::Get().IsModularFeatureAvailable(Type));
}

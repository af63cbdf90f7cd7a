#include "Internationalization/Text.h"

FText FText::FromString(FString Text)
{
	FText Result;
	Result.Source = std::move(Text);
	return Result;
}

FText FText::AsLocalizable(FString Namespace, FString Key, FString Source)
{
	FText Result;
	Result.Namespace = std::move(Namespace);
	Result.Key = std::move(Key);
	Result.Source = std::move(Source);
	return Result;
}

FText FText::AsNumber(int64 Value)
{
	// The host's one culture groups thousands with a comma.
	std::string Digits = std::to_string(Value < 0 ? -Value : Value);
	std::string Grouped;
	for (size_t I = 0; I < Digits.size(); ++I)
	{
		if (I > 0 && (Digits.size() - I) % 3 == 0)
		{
			Grouped += ',';
		}
		Grouped += Digits[I];
	}
	return FromString(FString((Value < 0 ? "-" : "") + Grouped));
}

const FText& FText::GetEmpty()
{
	static const FText Empty;
	return Empty;
}

FText FText::Format(const FText& Pattern, const TArray<FText>& Arguments)
{
	const std::string& In = Pattern.Source.ToStdString();
	std::string Out;
	for (size_t I = 0; I < In.size(); ++I)
	{
		if (In[I] == '{')
		{
			const size_t Close = In.find('}', I);
			if (Close != std::string::npos && Close > I + 1)
			{
				const std::string Inside = In.substr(I + 1, Close - I - 1);
				if (Inside.find_first_not_of("0123456789") == std::string::npos)
				{
					const int32 Index = std::stoi(Inside);
					if (Arguments.IsValidIndex(Index))
					{
						Out += Arguments[Index].Source.ToStdString();
						I = Close;
						continue;
					}
				}
			}
		}
		Out += In[I];
	}
	FText Result = Pattern;
	Result.Source = FString(std::move(Out));
	return Result;
}

function CountVowels(const s: String): Integer;
var i: Integer;
begin
  Result := 0;
  for i := 1 to Length(s) do
    if s[i] in ['a', 'e', 'i', 'o', 'u'] then Result := Result + 1;
end;
begin
  ShowMessage(CountVowels('programming language'));
  ShowMessage(CountVowels('xyz'));
end.

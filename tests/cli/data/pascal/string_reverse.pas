function Reverse(const s: String): String;
var i: Integer;
begin
  Result := '';
  for i := Length(s) downto 1 do Result := Result + s[i];
end;
begin
  ShowMessage(Reverse('Lumaro'));
  ShowMessage(Reverse(''));
  ShowMessage(Reverse('ab cd'));
end.

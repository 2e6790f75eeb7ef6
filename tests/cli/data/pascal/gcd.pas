function Gcd(a, b: Integer): Integer;
var t: Integer;
begin
  while b <> 0 do begin t := a mod b; a := b; b := t; end;
  Result := a;
end;
function GcdRec(a, b: Integer): Integer;
begin
  if b = 0 then Result := a else Result := GcdRec(b, a mod b);
end;
begin
  ShowMessage(Gcd(48, 18));
  ShowMessage(Gcd(17, 5));
  ShowMessage(GcdRec(1071, 462));
  ShowMessage(GcdRec(100, 75));
end.
